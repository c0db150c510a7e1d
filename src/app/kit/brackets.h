// Brackets in captions and notes: round ones, ASCII and full-width, and square ones where the caller counts them.
//
// A note's formula is broken outside any bracket, square ones included ("[ρl·(ρl − ρv)·g·r·λ³/(μ·L·Δt)]^0.25"); a
// caption's unit is found by its round brackets alone, since the pump page's "离心泵安装高度（M]）" must keep its
// unit whole.
#pragma once

#include <QChar>

namespace vxr::app {

enum class Square { Counted, Ignored };

inline bool opensBracket(QChar c, Square square) {
    return c == QLatin1Char('(') || c == QChar(0xFF08) || (square == Square::Counted && c == QLatin1Char('['));
}

inline bool closesBracket(QChar c, Square square) {
    return c == QLatin1Char(')') || c == QChar(0xFF09) || (square == Square::Counted && c == QLatin1Char(']'));
}

}  // namespace vxr::app
