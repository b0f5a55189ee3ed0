#include "windows/help/tfrmistruzioni.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "core/help/helppages.h"
#include "framework/appearance.h"
#include "framework/widgets.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Istruzioni per l'uso");
const QString kKicker = QStringLiteral("REGISTRAZIONE LAVORI");

constexpr int kWidth = 780;
constexpr int kHeight = 520;
constexpr int kMargin = 32;
constexpr int kArtWidth = 240;
} // namespace

QImage instructionsPicture() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(colours::kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A thin navy band across the top, as on the program's windows.
    p.fillRect(QRect(0, 0, kWidth, 8), colours::kNavy);

    const int textLeft = kMargin;
    const int textWidth = kWidth - 2 * kMargin - kArtWidth - 28;
    int y = 30;

    QFont kicker(QString::fromLatin1(kFontSans));
    kicker.setPixelSize(12);
    kicker.setBold(true);
    kicker.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(kicker);
    p.setPen(colours::kTeal);
    p.drawText(QRect(textLeft, y, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, kKicker);
    y += 22;

    QFont title(QString::fromLatin1(kFontSans));
    title.setPixelSize(23);
    title.setBold(true);
    p.setFont(title);
    p.setPen(colours::kNavy);
    const QRect titleRect = p.boundingRect(QRect(textLeft, y, textWidth, 200),
                                           Qt::AlignLeft | Qt::TextWordWrap, instructionsTitle());
    p.drawText(titleRect, Qt::AlignLeft | Qt::TextWordWrap, instructionsTitle());
    y = titleRect.bottom() + 10;
    p.fillRect(QRect(textLeft, y, 56, 4), colours::kAmber);
    y += 20;

    QFont body(QString::fromLatin1(kFontSans));
    body.setPixelSize(14);
    QFont number = body;
    number.setBold(true);
    const int bulletSize = 24;
    const int paragraphLeft = textLeft + bulletSize + 12;
    const int paragraphWidth = textWidth - bulletSize - 12;
    int k = 0;
    for (const QString& paragraph : instructionsParagraphs()) {
        ++k;
        p.setPen(Qt::NoPen);
        p.setBrush(colours::kBlue);
        p.drawEllipse(QRect(textLeft, y, bulletSize, bulletSize));
        p.setFont(number);
        p.setPen(colours::kWhite);
        p.drawText(QRect(textLeft, y, bulletSize, bulletSize), Qt::AlignCenter, QString::number(k));
        p.setFont(body);
        p.setPen(colours::kText);
        const QRect r = p.boundingRect(QRect(paragraphLeft, y + 3, paragraphWidth, 200),
                                       Qt::AlignLeft | Qt::TextWordWrap, paragraph);
        p.drawText(r, Qt::AlignLeft | Qt::TextWordWrap, paragraph);
        y = std::max(r.bottom(), y + bulletSize) + 14;
    }

    // The illustration beside the text, in a light frame.
    const QRect art(kWidth - kMargin - kArtWidth, 40, kArtWidth, kArtWidth * 4 / 3);
    QSvgRenderer(artPath(QStringLiteral("istruzioni"))).render(&p, art);
    QFont caption(QString::fromLatin1(kFontSans));
    caption.setPixelSize(12);
    caption.setItalic(true);
    p.setFont(caption);
    p.setPen(colours::kSlate);
    p.drawText(QRect(art.left(), art.bottom() + 10, art.width(), 36), Qt::AlignHCenter | Qt::TextWordWrap,
               QStringLiteral("Una scheda per ogni lavoro: data, orario e ore lavorate."));

    p.setPen(QPen(colours::kLine, 1));
    p.drawLine(kMargin, kHeight - 30, kWidth - kMargin, kHeight - 30);
    p.setFont(caption);
    p.setPen(colours::kSlate);
    p.drawText(QRect(kMargin, kHeight - 26, kWidth - 2 * kMargin, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Orvelia - Istruzioni per l'uso"));
    return image;
}

TfrmIstruzioni::TfrmIstruzioni(QWidget* caller)
    : ToolWindow(caller, "TfrmIstruzioni", kCaption) {
    imgCorpo = new QLabel(this);
    imgCorpo->setObjectName(QStringLiteral("imgCorpo"));
    imgCorpo->setPixmap(QPixmap::fromImage(instructionsPicture()));
    imgCorpo->setFixedSize(kWidth, kHeight);
    theme::setRole(imgCorpo, theme::Role::Framed);

    btnChiudi = closeButton(this, QStringLiteral("btnChiudi"), true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnChiudi);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 16, 16, 14);
    root->setSpacing(12);
    root->addWidget(imgCorpo);
    root->addLayout(buttons);
    theme::setRole(this, theme::Role::Ground);
}

} // namespace orvelia
