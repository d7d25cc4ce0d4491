#pragma once
// The main window: the drawing area and, around it, the program's commands.
#include <QMainWindow>
#include <QString>

class GlDrawingArea;

class frmF1 : public QMainWindow {
    Q_OBJECT
public:
    explicit frmF1(QWidget* parent = nullptr);
    ~frmF1() override;

    GlDrawingArea* picDraw() const { return picDraw_; }
    // The document named on the command line (opened once documents exist).
    void SetCommandLineDocument(const QString& path) { commandLineDocument_ = path; }
    const QString& CommandLineDocument() const { return commandLineDocument_; }

private:
    GlDrawingArea* picDraw_;
    QString commandLineDocument_;
};
