#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QtChineseTranslation::QtChineseTranslation() : translator_(std::make_unique<QTranslator>()) {
    if (translator_->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed_ = QCoreApplication::installTranslator(translator_.get());
}

QtChineseTranslation::~QtChineseTranslation() {
    if (installed_) QCoreApplication::removeTranslator(translator_.get());
}
