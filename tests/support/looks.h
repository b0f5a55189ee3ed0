#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace orvelia::test {

/// The colour a box shows behind its text: a pixel near its right edge, where short text never reaches.
inline QColor groundOf(QWidget* box) {
    const QImage image = box->grab().toImage();
    return image.pixelColor(image.width() - 5, image.height() / 2);
}

} // namespace orvelia::test
