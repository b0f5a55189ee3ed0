#pragma once

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

#include "core/archive/browse.h"
#include "core/archive/layout.h"
#include "core/archive/recordfile.h"

class QLabel;
class QScrollArea;
class QWidget;

namespace orvelia {

/**
 * The record commands shared by the data windows. Each opens the archive at
 * @p path, works and closes it; a failure is told over @p window (reportFailure). @p position is the window's
 * lblPosizione.
 */
namespace records {

/// First, Previous, Next or Last: loads the record through @p show, or says the archive is empty.
void browse(QWidget* window, const QString& path, const RecordLayout& layout, BrowseCommand command,
            QLabel* position, const std::function<void(const Record&, qint64)>& show);

/// Overwrites the record numbered in @p position, or appends it and puts its number there; says which.
/// A number past the end of the archive (a damaged file) is refused: nothing is written past it.
void save(QWidget* window, const QString& path, const Record& record, QLabel* position);

/**
 * Tells the user over @p window why an archive command failed: another workstation keeping the
 * archive busy, a save that may have happened after all, or else the window's @p accessMessage.
 */
void reportFailure(QWidget* window, ArchiveError error, const QString& accessMessage);

/// The form @p page of a data window in a scroll area (panScorrimento) without a frame, on the window's
/// ground.
QScrollArea* scrollingForm(QWidget* window, QWidget* page);

/// The texts of @p labels, trimmed, in their order.
QStringList texts(const QList<QLabel*>& labels);
/// Puts @p values into @p labels, in their order.
void setTexts(const QList<QLabel*>& labels, const QStringList& values);

/// The six hidden attachment labels, in record order: File01, File02, File03, Desc01, Desc02, Desc03.
QList<QLabel*> attachmentLabels(QWidget* parent, QLabel*& file01, QLabel*& file02, QLabel*& file03,
                                QLabel*& desc01, QLabel*& desc02, QLabel*& desc03);

} // namespace records
} // namespace orvelia
