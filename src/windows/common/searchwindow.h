#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include <QStringList>

#include "core/archive/recordfile.h"
#include "windows/common/listwindow.h"

class QStackedWidget;

namespace orvelia {

/// One filter box of a search window: its caption and the objectNames of the box and of its focus frame.
struct SearchFilter {
    const char* caption; ///< UTF-8
    const char* box;
    const char* frame;
};

/**
 * A list window that first asks what to look for. The criteria page
 * (panAvvio) shows a picture beside the three instructions, the filter
 * boxes in two columns of five with Enter and Tab moving from one to the
 * next, and the wait line with btnCerca and btnAnnulla; btnCerca runs the
 * window's search with the texts typed and turns to the list page
 * (panContainer) with the lines found and their count. The caller's tag
 * is kept in lblMemory, the number of filters used in lblConta.
 */
class SearchWindow : public ListWindow {
    Q_OBJECT
public:
    QStackedWidget* panPagine;
    QWidget* panAvvio;
    QLabel* lblAttendere; ///< the wait line, shown as soon as btnCerca goes down
    QLabel* lblConta;
    QLabel* lblMemory;
    QPushButton* btnCerca;
    QPushButton* btnAnnulla;

    /// Runs the search and shows what it found; a failure is told and the criteria stay on screen.
    void btnCercaClick();

protected:
    /// The picture beside the instructions and the filter boxes of a search window.
    struct Criteria {
        QString pictureName;
        QString icon;
        std::span<const SearchFilter> filters;
    };
    SearchWindow(QWidget* caller, const Setup& setup, const Criteria& criteria);

    /// Gives the filter boxes, in the order of the filters, to the members @p members of @p window.
    template <typename W> void bindBoxes(W* window, std::initializer_list<QLineEdit * W::*> members) {
        Q_ASSERT(members.size() == m_boxes.size());
        auto box = m_boxes.begin();
        for (QLineEdit* W::*member : members)
            window->*member = *box++;
    }
    /// The lines that match @p typed (the texts of the boxes, in their order); @p filtersInUse is set
    /// to the number of filters the search used.
    virtual ArchiveResult<QStringList> search(const QStringList& typed, int& filtersInUse) = 0;

    void opening() override;
    void done(int result) override;

private:
    QWidget* buildCriteria(const Criteria& criteria);
    QLayout* buildFilters(QWidget* page, std::span<const SearchFilter> filters);
    QLayout* buildCommands(QWidget* page);

    std::vector<QLineEdit*> m_boxes;
};

} // namespace orvelia
