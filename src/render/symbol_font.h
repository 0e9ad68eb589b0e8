#pragma once
// The astrological symbols on screen: the font that draws them and the text of its letters.
#include <QFont>
#include <QString>

QFont symbol_font(int pixel_size);
// Letters of the symbol font ("A".."L", "Q".."Z", "<", ">", "m", code 130) as drawable text.
QString symbol_qtext(const std::string& letters);
