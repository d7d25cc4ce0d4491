// The Qt shell service hands the desktop a local-file URL of the path it is
// given. A handler of our own stands in for the desktop's, so no viewer opens.
#include "core/ShellService.h"
#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>

#include <vector>

namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

} // namespace

TEST(QtShell, OpensTheLocalFileUrlOfThePath) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    QtShell shell;
    SetShellService(&shell);
    const std::string path = "/opt/某处 folder/help/index.html";
    EXPECT_TRUE(Shell().Open(path));
    SetShellService(nullptr);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_EQ(catcher.urls.size(), 1u);
    EXPECT_TRUE(catcher.urls[0].isLocalFile());
    EXPECT_EQ(catcher.urls[0].toLocalFile().toStdString(), path);
    // With no service installed, nothing is opened and the answer is False.
    EXPECT_FALSE(Shell().Open(path));
    EXPECT_EQ(catcher.urls.size(), 1u);
}

#include "QtShellTest.moc"
