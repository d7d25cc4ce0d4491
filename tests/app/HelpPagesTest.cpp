// The help pages as the build ships them beside the executable: every page is
// there, UTF-8, links only to the shipped pages (and to anchors that exist on
// them), and names no address of any site.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const QDir Help(QStringLiteral(VEXILON_HELP_DIR));

QString Page(const QString& name) {
    QFile f(Help.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString() : text;
}

} // namespace

TEST(HelpPages, EveryPageIsShippedAndLinksOnlyToThePages) {
    const QStringList pages = {"index.html", "home.html", "support.html", "about.html"};
    EXPECT_EQ(Help.entryList(QDir::Files, QDir::Name), QStringList({"about.html", "home.html", "index.html", "support.html"}));
    std::map<QString, QString> texts;
    for (const QString& name : pages) {
        texts[name] = Page(name);
        ASSERT_FALSE(texts[name].isEmpty()) << name.toStdString() << " missing or not UTF-8";
        EXPECT_TRUE(texts[name].contains(QStringLiteral("<meta charset=\"utf-8\">"))) << name.toStdString();
        EXPECT_FALSE(texts[name].contains(QStringLiteral("://"))) << name.toStdString();
    }
    const QRegularExpression link(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    int links = 0;
    for (const auto& [name, text] : texts) {
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            ++links;
            const qsizetype hash = target.indexOf(u'#');
            const QString file = hash < 0 ? target : target.left(hash);
            const QString anchor = hash < 0 ? QString() : target.mid(hash + 1);
            const QString page = file.isEmpty() ? name : file;
            const std::string what = name.toStdString() + " -> " + target.toStdString();
            ASSERT_TRUE(texts.count(page)) << what;
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(texts[page].contains(QStringLiteral("id=\"%1\"").arg(anchor))) << what;
            }
        }
    }
    EXPECT_GT(links, 12);
    EXPECT_TRUE(texts["home.html"].contains(QStringLiteral("2.6")));
    EXPECT_TRUE(texts["about.html"].contains(QString::fromUtf8("本软件按原样提供。")));
}
