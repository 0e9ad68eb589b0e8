#include "render/symbol_font.h"

#include "models/symbols.h"

QFont symbol_font(int pixel_size) {
    // DejaVu Sans draws every zodiac and planet sign; the set-up installs it.
    QFont f("DejaVu Sans");
    f.setPixelSize(pixel_size);
    return f;
}

QString symbol_qtext(const std::string& letters) {
    return QString::fromStdString(sidora::models::symbol_text(letters));
}
