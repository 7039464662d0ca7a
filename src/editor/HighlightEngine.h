#pragma once

#include "editor/HighlightRules.h"

#include <QHash>
#include <QStringList>
#include <QStringView>

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

// A run of one paragraph in one style.
struct HighlightSpan {
    int start = 0;
    int length = 0;
    HighlightStyle style = HighlightStyle::None;
    bool operator==(const HighlightSpan&) const = default;
};

// The regions open at a paragraph boundary, outermost first. Region ids index the engine's
// region table, so a state belongs to the engine that produced it.
class HighlightState {
public:
    static constexpr int kMaxDepth = 15;

    int depth() const { return m_depth; }
    int region(int level) const { return m_regions[std::size_t(level)]; }
    bool operator==(const HighlightState&) const = default;

private:
    friend class HighlightEngine;
    int top() const { return m_regions[std::size_t(m_depth - 1)]; }
    void push(int region) { m_regions[std::size_t(m_depth++)] = std::uint8_t(region); }
    void truncate(int depth)
    {
        while (m_depth > depth)
            m_regions[std::size_t(--m_depth)] = 0;
    }

    std::array<std::uint8_t, kMaxDepth> m_regions {};
    std::uint8_t m_depth = 0;
};

// What kind of text a position is in, for the editing help that depends on it.
enum class TextPlace { Text, Tag, StyleRules, StyleDeclarations, Elsewhere };

// The script highlighter chained in front of the markup highlighter, as one engine: colours
// one paragraph from the state at its start and returns the state at its end.
class HighlightEngine {
public:
    explicit HighlightEngine(const HighlightRules& rules = HighlightRules::standard());

    // Replaces out with the paragraph's spans: sorted, disjoint, adjacent runs of one style merged.
    // A piece of a paragraph that goes on (paragraphEnds false) keeps its line-end regions open.
    HighlightState highlightLine(QStringView paragraph, const HighlightState& start, std::vector<HighlightSpan>& out,
        bool paragraphEnds = true) const;

    // Where text with this state at its end stands: in a tag, a style sheet, a script, a comment.
    TextPlace placeOf(const HighlightState& state) const;

    // The state at the top of a style sheet document: everything is style sheet text.
    HighlightState styleSheetStart() const;

    // The styles of the open regions, outermost first (for diagnostics and tests).
    QStringList describe(const HighlightState& state) const;

private:
    // The parts of a style sheet, each a region of its own so the state says where a paragraph starts.
    enum class Css : std::uint8_t { None, Sheet, Rules, Prelude, RulesPrelude, Block, Value, Comment, String };
    struct Region {
        Css css = Css::None;
        HighlightStyle style = HighlightStyle::None;
        QString stop;
        bool matchCase = false;
        HighlightStyle stopStyle = HighlightStyle::None;
        int stopStyledFrom = 0; // characters of the stop key before this keep the region's style
        int context = 0;
        bool endsAtLineEnd = false;
        bool attributes = false; // attribute rules apply inside
        int next = -1; // region opened when this one closes
    };
    // Characters worth a closer look in one (innermost region, depth) situation.
    struct Triggers {
        std::bitset<128> ascii;
        bool nonAscii = false;
        bool test(QChar c) const { return c.unicode() < 128 ? ascii.test(c.unicode()) : nonAscii; }
    };
    class Scanner;

    bool applies(int appliesIn, int levelBound, int topRegion, int depth) const;
    bool isSeparator(QChar c) const { return c.unicode() < 128 ? m_separators.test(c.unicode()) : false; }
    int lookupTag(QStringView name) const;
    const Triggers& triggersFor(const HighlightState& state) const;
    void addTrigger(Triggers& t, QChar c, bool matchCase) const;

    HighlightRules m_rules;
    std::vector<Region> m_regions;
    int m_htmlComment = 0, m_serverPercent = 0, m_serverQuestion = 0, m_tagAttributes = 0, m_tagPlain = 0,
        m_scriptTag = 0, m_scriptContent = 0, m_valueDouble = 0, m_valueSingle = 0;
    int m_scriptTagIndex = -1;
    int m_styleTag = 0, m_styleSheet = 0, m_cssDocument = 0, m_cssRules = 0, m_cssPrelude = 0,
        m_cssRulesPrelude = 0, m_cssBlock = 0, m_cssValue = 0, m_cssComment = 0, m_cssDouble = 0, m_cssSingle = 0;
    int m_styleTagIndex = -1;
    std::bitset<128> m_separators;
    // Entry indices by first character (folded to lower case unless matched by case); the
    // last slot collects entries starting with a non-ASCII character.
    std::array<std::vector<int>, 129> m_startByChar;
    std::array<std::vector<int>, 129> m_keywordByChar;
    // Indexed by (innermost region + 1) * (kMaxDepth + 1) + depth.
    std::vector<Triggers> m_triggers;
    QHash<QString, int> m_tags;
};
