#pragma once
// Qt's own texts (the standard buttons of message boxes, the file and colour
// dialogs) in the interface's language, whatever the system's locale: Qt's
// Chinese translation, from the folder where Qt keeps its translations.
#include <memory>

class QTranslator;

// Installs the translation on the application while the object lives; it
// says whether the translation was found and installed.
class QtChineseTranslation {
public:
    QtChineseTranslation();
    ~QtChineseTranslation();
    QtChineseTranslation(const QtChineseTranslation&) = delete;
    QtChineseTranslation& operator=(const QtChineseTranslation&) = delete;
    bool Installed() const { return installed_; }

private:
    std::unique_ptr<QTranslator> translator_;
    bool installed_ = false;
};
