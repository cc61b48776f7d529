#include "ui/web/WindowMarkup.h"

#include "core/Fields.h"
#include "ui/form/FontFaces.h"
#include "ui/form/FormLayout.h"
#include "ui/form/PhoneLayout.h"
#include "ui/form/ResultColour.h"
#include "ui/web/PageTexts.h"

#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace taruk::web::WindowMarkup {

namespace {

namespace L = FormLayout;
using Kind = ControlSpec::Kind;
using L::byName;

// The read-only boxes' background and the page's text under a light and a
// dark colour scheme, written into the sheet as --read-only and --text. A
// high-contrast mode is the browser's forced colours, which draw every text
// in the colour the user chose, as the rule says.
constexpr BoxTheme kLight = {{240, 240, 240}, {0, 0, 0}, false};
constexpr BoxTheme kDark = {{30, 30, 30}, {232, 232, 232}, false};

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Thousandths of a CSS pixel, without the C locale's help.
std::string pxOfThousandths(int thousandths)
{
    std::string out = (thousandths < 0 ? "-" : "") + std::to_string(std::abs(thousandths) / 1000);
    if (int rest = std::abs(thousandths) % 1000; rest != 0) {
        std::string digits = std::to_string(rest);
        digits.insert(0, 3 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        out += '.' + digits;
    }
    return out + "px";
}

// Twips as CSS pixels, to a thousandth.
std::string px(int twips)
{
    return pxOfThousandths((twips * 1000 + (twips < 0 ? -7 : 7)) / L::kTwipsPerPixel);
}

// The group boxes from the outermost down to `group`.
std::vector<std::string_view> groupChain(std::string_view group)
{
    std::vector<std::string_view> chain;
    for (std::string_view g = group; !g.empty(); g = byName(g).container)
        chain.insert(chain.begin(), g);
    return chain;
}

std::string_view firstFocusable() { return L::kControls[L::kFocusOrder.front()].name; }

std::string controlHtml(const ControlSpec &c)
{
    const std::string id = "id=\"" + std::string(c.name) + '"';
    switch (c.kind) {
    case Kind::Label:
        if (c.field)
            return "<label " + id + " class=\"caption\" for=\"" + std::string(fieldName(*c.field)) +
                   "\">" + escaped(c.caption) + "</label>";
        return "<span " + id + " class=\"caption\">" + escaped(c.caption) + "</span>";
    case Kind::Button:
        return "<button " + id + " type=\"button\">" + escaped(c.caption) + "</button>";
    case Kind::TextBox: {
        const FieldId field = *c.field;
        std::string box = "<input " + id + " type=\"text\" value=\"" + escaped(startupText(field)) +
                          "\" autocomplete=\"off\" spellcheck=\"false\"";
        // A phone's decimal keyboard; the box still takes any text, a minus
        // and an exponent included, as on the desktop.
        box += isOutputField(field) ? " readonly" : " inputmode=\"decimal\"";
        if (L::isResultBox(field))
            box += " class=\"result\"";
        if (c.name == firstFocusable())
            box += " autofocus";
        return box + '>';
    }
    case Kind::GroupBox:
        break;
    }
    throw std::invalid_argument("a group box is no row's control");
}

// Where each control stands in the markup: the group box that holds it.
struct Markup {
    std::string html;
    std::vector<std::pair<std::string_view, std::string_view>> parents;
};

Markup build()
{
    Markup m;
    // Busy, and saying so, until the page's script has the module.
    m.html = "<main id=\"CalculatorForm\" aria-busy=\"true\" data-loading=\"" +
             escaped(PageTexts::kLoading) + "\">\n";
    std::vector<std::string_view> open;
    bool inResults = false;
    auto closeResults = [&] {
        if (inResults)
            m.html += "</div>\n";
        inResults = false;
    };
    for (const PhoneLayout::Row &row : PhoneLayout::kRows) {
        const std::vector<std::string_view> chain = groupChain(row.group);
        std::size_t keep = 0;
        while (keep < open.size() && keep < chain.size() && open[keep] == chain[keep])
            ++keep;
        if (keep < open.size() || row.results != inResults)
            closeResults();
        for (; open.size() > keep; open.pop_back())
            m.html += "</fieldset>\n";
        for (std::size_t i = keep; i < chain.size(); ++i) {
            const ControlSpec &group = byName(chain[i]);
            m.parents.emplace_back(group.name, group.container);
            m.html += "<fieldset id=\"" + std::string(group.name) + "\"><legend>" +
                      escaped(group.caption) + "</legend>\n";
            open.push_back(chain[i]);
        }
        if (row.results && !inResults)
            m.html += "<div class=\"results\">\n";
        inResults = row.results;
        m.html += "<div class=\"row\">";
        for (std::string_view name : row.controls) {
            if (name.empty())
                continue;
            m.html += controlHtml(byName(name));
            m.parents.emplace_back(name, row.group);
        }
        m.html += "</div>\n";
    }
    closeResults();
    for (std::size_t i = 0; i < open.size(); ++i)
        m.html += "</fieldset>\n";
    m.html += "</main>";
    return m;
}

std::string faceList(const auto &faces, std::string_view generic)
{
    std::string out;
    for (std::string_view face : faces)
        out += '"' + std::string(face) + "\", ";
    return out + std::string(generic);
}

std::string rgb(Rgb c)
{
    return "rgb(" + std::to_string(c.red) + ' ' + std::to_string(c.green) + ' ' +
           std::to_string(c.blue) + ')';
}

std::string themeVariables(const BoxTheme &theme)
{
    return "  --text: " + rgb(theme.text) + ";\n  --read-only: " + rgb(theme.background) + ";\n";
}

std::string replaced(std::string text, std::string_view mark, std::string_view by)
{
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
    return text;
}

} // namespace

std::string page(std::string_view pageTemplate)
{
    namespace T = PageTexts;
    constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kTexts = {{
        {"@WINDOW_CAPTION@", L::kWindowCaption},
        {"@APPLICATION_TITLE@", L::kApplicationTitle},
        {"@DESCRIPTION@", T::kDescription},
        {"@NO_SCRIPT@", T::kNoScript},
        {"@OK@", T::kOk},
        {"@BROWSER_TOO_OLD@", T::kBrowserTooOld},
        {"@FILE_FAILED@", T::kFileFailed},
        {"@FILES_DIFFER@", T::kFilesDiffer},
        {"@START_FAILED@", T::kStartFailed},
        {"@CALL_FAILED@", T::kCallFailed},
    }};
    std::string out = replaced(std::string(pageTemplate), "@WINDOW@", build().html);
    for (const auto &[mark, text] : kTexts)
        out = replaced(std::move(out), mark, escaped(text));
    return out;
}

std::string css(std::string_view pageSheet, std::string_view phoneSheet)
{
    std::string out = "/* Written at build time from the window description. */\n";
    out += ":root {\n  --text-faces: " + faceList(FontFaces::kText, "sans-serif") +
           ";\n  --result-faces: " + faceList(FontFaces::kResult, "serif") +
           ";\n  --text-size: " + std::to_string(L::kTextPointSize) +
           "pt;\n  --result-size: " + std::to_string(L::kResultPointSize) + "pt;\n" +
           themeVariables(kLight) + "}\n";
    out += "@media (prefers-color-scheme: dark) {\n:root {\n" + themeVariables(kDark) + "}\n}\n";
    out += ":where(#CalculatorForm) { width: " + px(L::kClientWidthTwips) +
           "; height: " + px(L::kClientHeightTwips) + "; }\n";
    for (const auto &[name, parent] : build().parents) {
        const ControlSpec &c = byName(name);
        const L::Place at = L::kWindowPlaces[L::indexOf(name)];
        const L::Place origin =
            parent.empty() ? L::Place{0, 0} : L::kWindowPlaces[L::indexOf(parent)];
        out += ":where(#" + std::string(name) + ") { left: " + px(at.left - origin.left) +
               "; top: " + px(at.top - origin.top) + "; width: " + px(c.width) +
               "; height: " + px(c.height) + "; }\n";
    }
    for (const L::ResultBox &result : L::kResultBoxes)
        out += ":where(#" + std::string(fieldName(result.box)) +
               ") { --light: " + rgb(resultTextColour(result.box, kLight)) +
               "; --dark: " + rgb(resultTextColour(result.box, kDark)) + "; }\n";
    // The window no longer fits below its own width (max-width counts the
    // width itself, and a zoomed page's width need not be whole pixels).
    const int windowThousandths = L::kClientWidthTwips * 1000 / L::kTwipsPerPixel;
    return out + std::string(pageSheet) +
           replaced(std::string(phoneSheet), "@NARROWER_THAN_WINDOW@",
                    pxOfThousandths(windowThousandths - 20));
}

} // namespace taruk::web::WindowMarkup
