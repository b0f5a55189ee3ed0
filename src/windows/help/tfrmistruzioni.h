#pragma once

#include <QImage>

#include "windows/common/toolwindow.h"

class QLabel;
class QPushButton;

namespace orvelia {

/// The instructions picture: a page with a title on how to record work, six short
/// paragraphs and our illustration beside them.
QImage instructionsPicture();

/// The instructions window of the work register: the picture and "Chiudi".
class TfrmIstruzioni : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmIstruzioni(QWidget* caller);

    QLabel* imgCorpo;
    QPushButton* btnChiudi;
};

} // namespace orvelia
