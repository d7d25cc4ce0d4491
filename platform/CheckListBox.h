#pragma once
// A list of rows with check boxes, whose current row (ListIndex) behaves as
// the program expects of its graph list rather than as Qt moves it:
// - a left press (or the keyboard) makes a row current, and so does a right
//   press on a row (before it reports itself, so that the menu it opens acts
//   on that row); a middle press, or a right one below the rows, leaves the
//   current row as it is;
// - the current row is always the highlighted one (Ctrl does not unselect it);
// - removing the current row leaves no row current (-1);
// - the list taking the focus does not make a row current.
// It reports check-state changes only, one call per changed row (a new label
// is not a change). A row of more than 4096 characters shows them cut
// (platform/ShownLine.h); ItemText gives the whole text.
#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

class CheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CheckListBox(QWidget* parent = nullptr);

    int ListCount() const { return count(); }
    // The current row, -1 when none.
    int ListIndex() const { return currentRow(); }
    void SetListIndex(int row);

    // Appends an unticked row.
    void AddItem(const std::string& text);
    // Removes row `row` (0-based); the current row goes to -1 when it is this one.
    void RemoveItem(int row);
    // Removes every row.
    void ClearItems();
    std::string ItemText(int row) const;
    void SetItemText(int row, const std::string& text);
    // A row's tick; a row that does not exist is unticked. Ticking reports
    // the change as a user's click does.
    bool Ticked(int row) const;
    void SetTicked(int row, bool ticked);

    // A row's check box changed (by the user or by SetTicked).
    std::function<void(int row)> onItemCheck;
    // A mouse button went down on the list: 1 left, 2 right, 4 middle; the
    // position in pixels.
    std::function<void(int button, int x, int y)> onMouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    QListWidgetItem* Row(int row) const;
    void DataChanged(const QModelIndex& first, const QModelIndex& last);
    // The last tick seen of every row, to report changes only.
    std::vector<bool> ticks_;
};
