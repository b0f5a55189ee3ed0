#include "windows/work/tfrmcalendario.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "core/archive/dates.h"
#include "framework/platform.h"
#include "framework/widgets.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Importazione data");
const QString kTagWorkDate = QStringLiteral("lavori_data");
} // namespace

TfrmCalendario::TfrmCalendario(QWidget* caller)
    : ToolWindow(caller, "TfrmCalendario", kCaption) {
    auto* prompt = new QLabel(QStringLiteral("Importare una data:"), this);
    theme::setRole(prompt, theme::Role::Heading);
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName("calAppuntamenti");
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setGridVisible(false);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setSelectedDate(Platform::instance().today());
    QTextCharFormat weekend;
    weekend.setForeground(colours::kRed);
    calAppuntamenti->setWeekdayTextFormat(Qt::Saturday, weekend);
    calAppuntamenti->setWeekdayTextFormat(Qt::Sunday, weekend);
    calAppuntamenti->setMinimumSize(320, 220);
    btnImportaData = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName("btnImportaData");
    btnImportaData->setMinimumSize(100, 30);
    btnImportaData->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName("btnAnnulla");
    btnAnnulla->setMinimumSize(100, 30);
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnImportaData);
    buttons->addWidget(btnAnnulla);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 14);
    root->setSpacing(10);
    root->addWidget(prompt);
    root->addWidget(calAppuntamenti);
    root->addLayout(buttons);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCalendario::btnImportaDataClick() {
    if (lblMemory->text() != kTagWorkDate)
        return;
    emit dateChosen(formatDate(calAppuntamenti->selectedDate()));
    accept();
}

} // namespace orvelia
