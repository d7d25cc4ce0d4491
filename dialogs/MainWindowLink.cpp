#include "dialogs/MainWindowLink.h"

namespace {

class NoWindow : public MainWindowLink {
public:
    std::int32_t CurrentRow() const override { return -1; }
    std::int32_t RowCount() const override { return 0; }
    std::string RowText(std::int32_t) const override { return std::string(); }
    void SetRowText(std::int32_t, const std::string&) override {}
    void AddTickedRow(const std::string&) override {}
    void Rebuild() override {}
    void Redraw() override {}
    void EnablePlayback() override {}
    void SetPlayInterval(std::int32_t) override {}
};

NoWindow none;
MainWindowLink* current = &none;

} // namespace

MainWindowLink& MainWindow() { return *current; }
void SetMainWindowLink(MainWindowLink* window) { current = window ? window : &none; }
