#include "editor/CssRules.h"

#include <algorithm>

namespace {

const char* const kProperties[] = {
    "align-content", "align-items", "align-self", "animation", "animation-delay", "animation-direction",
    "animation-duration", "animation-fill-mode", "animation-iteration-count", "animation-name",
    "animation-timing-function", "aspect-ratio", "background", "background-attachment", "background-clip",
    "background-color", "background-image", "background-origin", "background-position", "background-repeat",
    "background-size", "border", "border-bottom", "border-bottom-color", "border-bottom-left-radius",
    "border-bottom-right-radius", "border-bottom-style", "border-bottom-width", "border-collapse", "border-color",
    "border-left", "border-left-color", "border-left-style", "border-left-width", "border-radius", "border-right",
    "border-right-color", "border-right-style", "border-right-width", "border-spacing", "border-style",
    "border-top", "border-top-color", "border-top-left-radius", "border-top-right-radius", "border-top-style",
    "border-top-width", "border-width", "bottom", "box-shadow", "box-sizing", "caption-side", "clear", "clip",
    "color", "column-count", "column-gap", "columns", "content", "counter-increment", "counter-reset", "cursor",
    "direction", "display", "empty-cells", "filter", "flex", "flex-basis", "flex-direction", "flex-flow",
    "flex-grow", "flex-shrink", "flex-wrap", "float", "font", "font-family", "font-size", "font-style",
    "font-variant", "font-weight", "gap", "grid", "grid-area", "grid-column", "grid-gap", "grid-row",
    "grid-template", "grid-template-areas", "grid-template-columns", "grid-template-rows", "height",
    "justify-content", "justify-items", "left", "letter-spacing", "line-height", "list-style",
    "list-style-image", "list-style-position", "list-style-type", "margin", "margin-bottom", "margin-left",
    "margin-right", "margin-top", "max-height", "max-width", "min-height", "min-width", "object-fit", "opacity",
    "order", "outline", "outline-color", "outline-offset", "outline-style", "outline-width", "overflow",
    "overflow-x", "overflow-y", "padding", "padding-bottom", "padding-left", "padding-right", "padding-top",
    "page-break-after", "page-break-before", "pointer-events", "position", "quotes", "resize", "right",
    "table-layout", "text-align", "text-decoration", "text-indent", "text-overflow", "text-shadow",
    "text-transform", "top", "transform", "transform-origin", "transition", "transition-delay",
    "transition-duration", "transition-property", "transition-timing-function", "unicode-bidi", "user-select",
    "vertical-align", "visibility", "white-space", "width", "word-break", "word-spacing", "word-wrap",
    "z-index",
};

const char* const kRuleHoldingAtRules[] = { "media", "supports", "document", "keyframes", "-webkit-keyframes",
    "layer", "container" };

const char* const kColourFunctions[] = { "rgb", "rgba", "hsl", "hsla", "hwb", "lab", "lch", "color" };

template <std::size_t N> bool inList(const char* const (&list)[N], QStringView name)
{
    return std::any_of(std::begin(list), std::end(list),
        [name](const char* s) { return name.compare(QLatin1String(s), Qt::CaseInsensitive) == 0; });
}

} // namespace

const QStringList& cssPropertyNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char* p : kProperties)
            list << QString::fromLatin1(p);
        list.sort();
        return list;
    }();
    return names;
}

bool cssAtRuleHoldsRules(QStringView name) { return inList(kRuleHoldingAtRules, name); }

bool cssIsColourFunction(QStringView name) { return inList(kColourFunctions, name); }
