#include "editor/HighlightEngine.h"

#include "editor/CssRules.h"

namespace {

constexpr int kLongestTagName = 16;

int foldedSlot(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 128) return 128;
    return (u >= 'A' && u <= 'Z') ? u + ('a' - 'A') : u;
}

} // namespace

// Works through one paragraph; holds the position, the open regions and the spans so far.
class HighlightEngine::Scanner {
public:
    Scanner(
        const HighlightEngine& engine, QStringView line, const HighlightState& start, std::vector<HighlightSpan>& out)
        : e(engine)
        , line(line)
        , n(int(line.size()))
        , state(start)
        , out(out)
    {
        out.clear();
    }

    HighlightState run(bool paragraphEnds)
    {
        while (pos < n) {
            const Triggers& triggers = e.triggersFor(state);
            int p = pos;
            while (p < n && !triggers.test(line[p]))
                ++p;
            if (p > pos) {
                addBody(pos, p - pos);
                pos = p;
                if (pos == n) break;
            }
            if (tryStop() || tryCss() || tryStartKey() || tryKeyword() || tryMarkup()) continue;
            addBody(pos, 1);
            ++pos;
        }
        // Regions that end with the paragraph close, and so does everything inside them.
        for (int level = 0; paragraphEnds && level < state.depth(); ++level) {
            if (e.m_regions[std::size_t(state.region(level))].endsAtLineEnd) {
                state.truncate(level);
                break;
            }
        }
        return state;
    }

private:
    const Region& top() const { return e.m_regions[std::size_t(state.top())]; }
    bool canNest() const { return state.depth() < HighlightState::kMaxDepth; }
    int topRegion() const { return state.depth() ? state.top() : -1; }

    void add(int from, int length, HighlightStyle style)
    {
        if (length <= 0 || style == HighlightStyle::None) return;
        if (!out.empty() && out.back().style == style && out.back().start + out.back().length == from)
            out.back().length += length;
        else
            out.push_back({ from, length, style });
    }
    void addBody(int from, int length) { add(from, length, state.depth() ? top().style : HighlightStyle::None); }
    // Drops the styling of everything from `at` on, to restyle it.
    void truncate(int at)
    {
        while (!out.empty() && out.back().start >= at)
            out.pop_back();
        if (!out.empty() && out.back().start + out.back().length > at) out.back().length = at - out.back().start;
    }

    bool matchAt(int at, QStringView key, bool matchCase) const
    {
        return at + key.size() <= n
            && line.sliced(at, key.size()).compare(key, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
    }
    bool wholeWordAt(int at, int length) const
    {
        return (at == 0 || e.isSeparator(line[at - 1])) && (at + length == n || e.isSeparator(line[at + length]));
    }
    bool entryMatches(QStringView key, int options) const
    {
        return matchAt(pos, key, options & MatchCase) && (!(options & WholeWord) || wholeWordAt(pos, int(key.size())));
    }

    void open(int region, int keyLength, HighlightStyle keyStyle)
    {
        add(pos, keyLength, keyStyle);
        state.push(region);
        pos += keyLength;
        attrFloor = pos;
    }

    bool tryStop()
    {
        if (!state.depth()) return false;
        const Region& r = top();
        if (r.stop.isEmpty() || !matchAt(pos, r.stop, r.matchCase)) return false;
        const int length = int(r.stop.size());
        add(pos, r.stopStyledFrom, r.style);
        add(pos + r.stopStyledFrom, length - r.stopStyledFrom, r.stopStyle);
        pos += length;
        const int next = r.next;
        state.truncate(state.depth() - 1);
        if (next >= 0 && canNest()) state.push(next);
        attrFloor = pos;
        return true;
    }

    bool tryStartKey()
    {
        if (!canNest()) return false;
        for (int i : e.m_startByChar[std::size_t(foldedSlot(line[pos]))]) {
            const StartStopEntry& entry = e.m_rules.startStops[std::size_t(i)];
            if (e.applies(entry.appliesIn, entry.levelBound, topRegion(), state.depth())
                && entryMatches(entry.start, entry.options)) {
                open(i, int(entry.start.size()), entry.style);
                return true;
            }
        }
        return false;
    }

    bool tryKeyword()
    {
        if (!canNest()) return false;
        for (int i : e.m_keywordByChar[std::size_t(foldedSlot(line[pos]))]) {
            const KeywordEntry& entry = e.m_rules.keywords[std::size_t(i)];
            if (e.applies(entry.appliesIn, entry.levelBound, topRegion(), state.depth())
                && entryMatches(entry.text, entry.options)) {
                add(pos, int(entry.text.size()), entry.style);
                pos += int(entry.text.size());
                return true;
            }
        }
        return false;
    }

    bool tryMarkup()
    {
        const QChar c = line[pos];
        if (!state.depth()) {
            if (c == QLatin1Char('&'))
                entity();
            else if (c == QLatin1Char('<'))
                tag();
            else
                return false;
            return true;
        }
        if (top().attributes && c == QLatin1Char('=')) {
            attribute();
            return true;
        }
        return false;
    }

    // Style sheet text. Whitespace never gets here; every other character does.
    bool tryCss()
    {
        if (!state.depth() || top().css == Css::None) return false;
        const Css kind = top().css;
        const QChar c = line[pos];
        // The end of a STYLE block closes whatever the sheet left open, even a comment or a string.
        if (c == u'<' && state.region(0) == e.m_styleSheet && matchAt(pos, u"</style", false)) {
            state.truncate(0);
            return true;
        }
        if (kind == Css::Comment || kind == Css::String || !canNest()) return false;
        if (c == u'/' && matchAt(pos, u"/*", true)) {
            open(e.m_cssComment, 2, HighlightStyle::CssComment);
            return true;
        }
        if (c == u'"' || c == u'\'') {
            open(c == u'"' ? e.m_cssDouble : e.m_cssSingle, 1, HighlightStyle::CssString);
            return true;
        }
        switch (kind) {
        case Css::Sheet:
        case Css::Rules: return cssRules(kind);
        case Css::Block: return cssDeclaration();
        default: return cssValue(kind);
        }
    }

    void leave() { state.truncate(state.depth() - 1); }
    int wordEnd(int from) const
    {
        while (from < n && (line[from].isLetterOrNumber() || line[from] == u'-' || line[from] == u'_'))
            ++from;
        return from;
    }
    static bool isHexDigit(QChar c)
    {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    }
    bool isDigit(int at) const { return at < n && line[at] >= u'0' && line[at] <= u'9'; }

    // Where selectors and at-rules stand.
    bool cssRules(Css kind)
    {
        const QChar c = line[pos];
        if (c == u'@') {
            const int end = wordEnd(pos + 1);
            const bool holdsRules = cssAtRuleHoldsRules(line.sliced(pos + 1, end - pos - 1));
            add(pos, end - pos, HighlightStyle::CssAtRule);
            pos = end;
            state.push(holdsRules ? e.m_cssRulesPrelude : e.m_cssPrelude);
            return true;
        }
        if (c == u'{') {
            ++pos;
            state.push(e.m_cssBlock);
            return true;
        }
        if (c == u'}') {
            ++pos;
            if (kind == Css::Rules) leave();
            return true;
        }
        int end = pos;
        while (end < n && !line[end].isSpace() && !QStringView(u"{},;\"'<").contains(line[end])
            && !(line[end] == u'/' && end + 1 < n && line[end + 1] == u'*'))
            ++end;
        if (end == pos) return false;
        add(pos, end - pos, HighlightStyle::CssSelector);
        pos = end;
        return true;
    }

    // Inside braces: property names, and after ":" their value.
    bool cssDeclaration()
    {
        const QChar c = line[pos];
        if (c == u'}') {
            ++pos;
            leave();
            return true;
        }
        if (c == u':') {
            ++pos;
            state.push(e.m_cssValue);
            return true;
        }
        const int end = wordEnd(pos);
        if (end == pos) return false;
        add(pos, end - pos, HighlightStyle::CssProperty);
        pos = end;
        return true;
    }

    // A property's value, or what follows an at-rule's name: up to ";" or a brace.
    bool cssValue(Css kind)
    {
        const QChar c = line[pos];
        if (c == u';') {
            ++pos;
            leave();
            return true;
        }
        if (c == u'}') {
            leave(); // the block or the rules around see the brace
            return true;
        }
        if (c == u'{') {
            ++pos;
            leave();
            state.push(kind == Css::RulesPrelude ? e.m_cssRules : e.m_cssBlock);
            return true;
        }
        if (c == u'!') {
            int at = pos + 1;
            while (at < n && line[at] == u' ')
                ++at;
            if (!matchAt(at, u"important", false)) return false;
            add(pos, at + 9 - pos, HighlightStyle::CssImportant);
            pos = at + 9;
            return true;
        }
        if (c == u'#') {
            const int end = wordEnd(pos + 1);
            int hex = pos + 1;
            while (hex < end && isHexDigit(line[hex]))
                ++hex;
            const int digits = hex - pos - 1;
            const bool colour = hex == end && (digits == 3 || digits == 4 || digits == 6 || digits == 8);
            add(pos, end - pos, colour ? HighlightStyle::CssColour : HighlightStyle::CssValue);
            pos = end;
            return true;
        }
        const bool sign = c == u'+' || c == u'-';
        const int digitsFrom = sign ? pos + 1 : pos;
        if (isDigit(digitsFrom) || (digitsFrom < n && line[digitsFrom] == u'.' && isDigit(digitsFrom + 1))) {
            int end = digitsFrom;
            while (isDigit(end) || (end < n && line[end] == u'.'))
                ++end;
            if (end < n && line[end] == u'%')
                ++end;
            else
                end = wordEnd(end); // the unit
            add(pos, end - pos, HighlightStyle::CssNumber);
            pos = end;
            return true;
        }
        const int end = wordEnd(pos);
        if (end == pos) return false;
        const QStringView name = line.sliced(pos, end - pos);
        if (end < n && line[end] == u'(' && (cssIsColourFunction(name) || name.compare(u"url", Qt::CaseInsensitive) == 0)) {
            const qsizetype close = line.indexOf(u')', end);
            const int stop = close < 0 ? n : int(close) + 1;
            add(pos, stop - pos, cssIsColourFunction(name) ? HighlightStyle::CssColour : HighlightStyle::CssValue);
            pos = stop;
            return true;
        }
        add(pos, end - pos, HighlightStyle::CssValue);
        pos = end;
        return true;
    }

    void entity()
    {
        int end = pos + 1;
        while (end < n) {
            const QChar c = line[end];
            if (!c.isLetterOrNumber() && c != QLatin1Char('#') && c != QLatin1Char('&') && c != QLatin1Char('_')) break;
            ++end;
        }
        if (end < n && line[end] == QLatin1Char(';')) ++end;
        add(pos, end - pos, HighlightStyle::SpecialChars);
        pos = end;
    }

    void tag()
    {
        if (matchAt(pos, u"<!--", true)) {
            open(e.m_htmlComment, 4, HighlightStyle::HtmlComment);
            return;
        }
        add(pos, 1, HighlightStyle::Bracket);
        ++pos;
        if (pos < n && (line[pos] == QLatin1Char('%') || line[pos] == QLatin1Char('?'))) {
            open(line[pos] == QLatin1Char('%') ? e.m_serverPercent : e.m_serverQuestion, 1,
                HighlightStyle::ScriptContent);
            return;
        }
        int end = pos;
        while (end < n && line[end] != QLatin1Char(' ') && line[end] != QLatin1Char('>'))
            ++end;
        const QStringView name = line.sliced(pos, end - pos);
        const bool closing = name.startsWith(QLatin1Char('/'));
        const int tag = e.lookupTag(closing ? name.sliced(1) : name);
        const bool known = tag >= 0 && (!closing || knownTags()[std::size_t(tag)].hasClosingForm);
        int rest = e.m_tagPlain;
        if (known && !closing && knownTags()[std::size_t(tag)].takesAttributes)
            rest = tag == e.m_scriptTagIndex ? e.m_scriptTag
                : tag == e.m_styleTagIndex   ? e.m_styleTag
                                             : e.m_tagAttributes;
        add(pos, end - pos, known ? HighlightStyle::HtmlKeyword : HighlightStyle::UnknownTag);
        pos = end;
        open(rest, 0, HighlightStyle::None);
    }

    // At "=" inside a tag: the word before it and the "=" name an attribute; a value follows.
    void attribute()
    {
        int word = pos;
        while (word > attrFloor && line[word - 1] == QLatin1Char(' '))
            --word;
        while (word > attrFloor && line[word - 1] != QLatin1Char(' '))
            --word;
        truncate(word);
        add(word, pos + 1 - word, HighlightStyle::HtmlAttribute);
        ++pos;
        int value = pos;
        while (value < n && line[value] == QLatin1Char(' '))
            ++value;
        addBody(pos, value - pos);
        pos = value;
        if (value < n && canNest() && (line[value] == QLatin1Char('"') || line[value] == QLatin1Char('\''))) {
            open(line[value] == QLatin1Char('"') ? e.m_valueDouble : e.m_valueSingle, 1,
                HighlightStyle::HtmlAttributeValue);
            return;
        }
        int end = value;
        while (end < n && line[end] != QLatin1Char(' ') && line[end] != QLatin1Char('>'))
            ++end;
        add(value, end - value, HighlightStyle::HtmlAttributeValue);
        pos = end;
        attrFloor = end;
    }

    const HighlightEngine& e;
    QStringView line;
    int n;
    HighlightState state;
    std::vector<HighlightSpan>& out;
    int pos = 0;
    // Inside a tag, attribute names start no earlier than this (the end of the last value).
    int attrFloor = 0;
};

HighlightEngine::HighlightEngine(const HighlightRules& rules)
    : m_rules(rules)
{
    for (const StartStopEntry& entry : m_rules.startStops) {
        Region r;
        r.style = entry.style;
        r.stop = entry.stop;
        r.matchCase = entry.options & MatchCase;
        r.stopStyle = entry.style;
        r.context = entry.context;
        r.endsAtLineEnd = entry.endsAtLineEnd;
        m_regions.push_back(r);
    }
    const auto addRegion = [this](HighlightStyle style, const char* stop, HighlightStyle stopStyle,
                               int stopStyledFrom = 0, bool attributes = false) {
        Region r;
        r.style = style;
        r.stop = QString::fromLatin1(stop);
        r.stopStyle = stopStyle;
        r.stopStyledFrom = stopStyledFrom;
        r.attributes = attributes;
        m_regions.push_back(r);
        return int(m_regions.size()) - 1;
    };
    using S = HighlightStyle;
    m_htmlComment = addRegion(S::HtmlComment, "-->", S::HtmlComment);
    m_serverPercent = addRegion(S::ScriptContent, "%>", S::Bracket, 1);
    m_serverQuestion = addRegion(S::ScriptContent, "?>", S::Bracket, 1);
    m_tagAttributes = addRegion(S::HtmlTag, ">", S::Bracket, 0, true);
    m_tagPlain = addRegion(S::UnknownTag, ">", S::Bracket);
    m_scriptContent = addRegion(S::ScriptContent, "</SCRIPT>", S::Bracket);
    m_scriptTag = addRegion(S::HtmlTag, ">", S::Bracket, 0, true);
    m_regions.back().next = m_scriptContent;
    m_valueDouble = addRegion(S::HtmlAttributeValue, "\"", S::HtmlAttributeValue);
    m_valueSingle = addRegion(S::HtmlAttributeValue, "'", S::HtmlAttributeValue);
    // Style sheets: the STYLE tag leads into a sheet that the end tag closes; a .css document is one
    // sheet that never closes.
    const auto addCss = [&](Css kind, HighlightStyle style = S::None, const char* stop = "") {
        const int id = addRegion(style, stop, style);
        m_regions.back().css = kind;
        m_regions.back().matchCase = true;
        return id;
    };
    m_styleSheet = addCss(Css::Sheet);
    m_cssDocument = addCss(Css::Sheet);
    m_styleTag = addRegion(S::HtmlTag, ">", S::Bracket, 0, true);
    m_regions.back().next = m_styleSheet;
    m_cssRules = addCss(Css::Rules);
    m_cssPrelude = addCss(Css::Prelude);
    m_cssRulesPrelude = addCss(Css::RulesPrelude);
    m_cssBlock = addCss(Css::Block);
    m_cssValue = addCss(Css::Value);
    m_cssComment = addCss(Css::Comment, S::CssComment, "*/");
    m_cssDouble = addCss(Css::String, S::CssString, "\"");
    m_cssSingle = addCss(Css::String, S::CssString, "'");
    m_regions[std::size_t(m_cssDouble)].endsAtLineEnd = true;
    m_regions[std::size_t(m_cssSingle)].endsAtLineEnd = true;
    Q_ASSERT(m_regions.size() < 256);

    for (QChar c : m_rules.separators)
        if (c.unicode() < 128) m_separators.set(c.unicode());
    for (int c = 0; c <= 26; ++c)
        m_separators.set(std::size_t(c));

    for (int i = 0; i < int(m_rules.startStops.size()); ++i)
        if (!m_rules.startStops[std::size_t(i)].start.isEmpty())
            m_startByChar[std::size_t(foldedSlot(m_rules.startStops[std::size_t(i)].start[0]))].push_back(i);
    for (int i = 0; i < int(m_rules.keywords.size()); ++i) {
        const KeywordEntry& k = m_rules.keywords[std::size_t(i)];
        if (!k.text.isEmpty() && k.spanContext != 0) m_keywordByChar[std::size_t(foldedSlot(k.text[0]))].push_back(i);
    }

    for (int i = 0; i < int(knownTags().size()); ++i)
        m_tags.insert(QString::fromLatin1(knownTags()[std::size_t(i)].name), i);
    m_scriptTagIndex = m_tags.value(QStringLiteral("SCRIPT"), -1);
    m_styleTagIndex = m_tags.value(QStringLiteral("STYLE"), -1);

    // Which characters can start something, for every innermost region and depth.
    constexpr int kDepths = HighlightState::kMaxDepth + 1;
    m_triggers.resize((m_regions.size() + 1) * kDepths);
    for (int region = -1; region < int(m_regions.size()); ++region) {
        for (int depth = 0; depth < kDepths; ++depth) {
            Triggers& t = m_triggers[std::size_t((region + 1) * kDepths + depth)];
            if (depth == 0) {
                t.ascii.set('<');
                t.ascii.set('&');
            } else if (region >= 0) {
                const Region& r = m_regions[std::size_t(region)];
                if (!r.stop.isEmpty()) addTrigger(t, r.stop[0], r.matchCase);
                if (r.attributes) t.ascii.set('=');
                if (r.css == Css::Comment || r.css == Css::String) {
                    t.ascii.set('<');
                } else if (r.css != Css::None) {
                    t.ascii.set();
                    t.ascii.reset(' ');
                    t.ascii.reset('\t');
                    t.nonAscii = true;
                }
            }
            if (depth == HighlightState::kMaxDepth) continue;
            for (const StartStopEntry& s : m_rules.startStops)
                if (!s.start.isEmpty() && applies(s.appliesIn, s.levelBound, region, depth))
                    addTrigger(t, s.start[0], s.options & MatchCase);
            for (const KeywordEntry& k : m_rules.keywords)
                if (!k.text.isEmpty() && k.spanContext != 0 && applies(k.appliesIn, k.levelBound, region, depth))
                    addTrigger(t, k.text[0], k.options & MatchCase);
        }
    }
}

void HighlightEngine::addTrigger(Triggers& t, QChar c, bool matchCase) const
{
    const char16_t u = c.unicode();
    if (u >= 128) {
        t.nonAscii = true;
        return;
    }
    t.ascii.set(u);
    if (!matchCase) {
        if (u >= 'a' && u <= 'z')
            t.ascii.set(u - ('a' - 'A'));
        else if (u >= 'A' && u <= 'Z')
            t.ascii.set(u + ('a' - 'A'));
    }
}

// A level bound of kAllLevels applies everywhere; otherwise the context decides, and context 0
// means outside every region.
bool HighlightEngine::applies(int appliesIn, int levelBound, int topRegion, int depth) const
{
    if (levelBound >= kAllLevels) return true;
    if (appliesIn == 0) return depth == 0;
    return depth > 0 && topRegion >= 0 && m_regions[std::size_t(topRegion)].context == appliesIn;
}

const HighlightEngine::Triggers& HighlightEngine::triggersFor(const HighlightState& state) const
{
    const int region = state.depth() ? state.top() : -1;
    return m_triggers[std::size_t((region + 1) * (HighlightState::kMaxDepth + 1) + state.depth())];
}

int HighlightEngine::lookupTag(QStringView name) const
{
    if (name.isEmpty() || name.size() > kLongestTagName) return -1;
    QChar upper[kLongestTagName];
    for (qsizetype i = 0; i < name.size(); ++i)
        upper[i] = name[i].toUpper();
    return m_tags.value(QString::fromRawData(upper, name.size()), -1);
}

HighlightState HighlightEngine::highlightLine(
    QStringView paragraph, const HighlightState& start, std::vector<HighlightSpan>& out, bool paragraphEnds) const
{
    return Scanner(*this, paragraph, start, out).run(paragraphEnds);
}

TextPlace HighlightEngine::placeOf(const HighlightState& state) const
{
    if (!state.depth()) return TextPlace::Text;
    const int top = state.top();
    if (top == m_tagAttributes || top == m_tagPlain || top == m_scriptTag || top == m_styleTag) return TextPlace::Tag;
    switch (m_regions[std::size_t(top)].css) {
    case Css::Sheet:
    case Css::Rules: return TextPlace::StyleRules;
    case Css::Block: return TextPlace::StyleDeclarations;
    default: return TextPlace::Elsewhere;
    }
}

HighlightState HighlightEngine::styleSheetStart() const
{
    HighlightState state;
    state.push(m_cssDocument);
    return state;
}

QStringList HighlightEngine::describe(const HighlightState& state) const
{
    static const char* const cssNames[]
        = { "", "CssSheet", "CssRules", "CssPrelude", "CssRulesPrelude", "CssBlock", "CssValue", "CssComment",
              "CssString" };
    QStringList names;
    for (int level = 0; level < state.depth(); ++level) {
        const int region = state.region(level);
        const Region& r = m_regions[std::size_t(region)];
        if (region < int(m_rules.startStops.size()))
            names << m_rules.startStops[std::size_t(region)].start;
        else if (r.css != Css::None)
            names << QString::fromLatin1(cssNames[std::size_t(r.css)]);
        else
            names << styleName(m_regions[std::size_t(region)].style) + QLatin1Char(':')
                    + m_regions[std::size_t(region)].stop;
    }
    return names;
}
