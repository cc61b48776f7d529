#include "ui/qt/FormFonts.h"

#include "ui/form/FontFaces.h"
#include "ui/form/FormLayout.h"
#include "ui/qt/Utf8.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <array>
#include <string_view>

namespace taruk {

namespace {

// Qt takes a list of families too, but then asks fontconfig for a full
// fallback list (a sort over every installed font) each time it loads the
// font. Naming the one installed face avoids that; a glyph the face lacks
// still falls back, looked up only when it is met. The lookup is in Qt's own
// list: QFontDatabase::hasFamily() runs fontconfig's rules on every call.
template <std::size_t N>
QString firstInstalledFamily(const std::array<std::string_view, N> &preferred,
                             const QString &generic)
{
    const QStringList installed = QFontDatabase::families();
    for (std::string_view face : preferred) {
        QString family = toQString(face);
        // A family that several foundries make is listed as "Family [Foundry]".
        const QString withFoundry = family + QStringLiteral(" [");
        if (std::any_of(installed.begin(), installed.end(), [&](const QString &name) {
                return name.compare(family, Qt::CaseInsensitive) == 0 ||
                       name.startsWith(withFoundry, Qt::CaseInsensitive);
            }))
            return family;
    }
    return generic;
}

} // namespace

QFont FormFonts::text()
{
    QFont font(firstInstalledFamily(FontFaces::kText, QStringLiteral("sans-serif")));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(FormLayout::kTextPointSize);
    return font;
}

QFont FormFonts::result()
{
    // fontconfig does not know 宋体: the list goes on with the Song faces that
    // stand in for it.
    QFont font(firstInstalledFamily(FontFaces::kResult, QStringLiteral("serif")));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(FormLayout::kResultPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace taruk
