#pragma once
// The window's faces. Calibri, Arial and Tahoma are asked for by name first; where they are
// missing the metric-compatible faces Debian ships (Carlito, Liberation Sans, DejaVu Sans)
// stand in.

#include <QFont>

namespace tessivo::app {

enum class UiFace { Calibri, Arial, Tahoma };

inline QFont UiFont(UiFace face, double points, bool bold = false) {
    QFont font;
    switch (face) {
        case UiFace::Calibri:
            font.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Carlito")});
            break;
        case UiFace::Arial:
            font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
            break;
        case UiFace::Tahoma:
            font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
            break;
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace tessivo::app
