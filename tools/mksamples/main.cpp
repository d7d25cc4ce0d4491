// mksamples <folder>: writes every sample document of the 演示 menu below
// <folder> through the program's own writer. Runs without a display. Any
// message a dialog or the sampling would show, a refused dialog, a graph that
// does not sample, and a document over 65,535 bytes or of 5000 tokens or more
// stop it with a non-zero exit status and nothing more written.
#include "core/MessageService.h"
#include "document/DocumentFile.h"
#include "document/TokenReader.h"
#include "tools/mksamples/SampleBuild.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QString>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Every message is a fault of the content: kept to be reported.
class CollectedMessages : public MessageService {
public:
    MsgAnswer Show(const MessageRequest& request) override {
        texts.push_back(request.title + ": " + request.text);
        return FirstButtonAnswer(request.buttons);
    }
    std::vector<std::string> texts;
};

int Fail(const std::string& why) {
    std::cerr << "mksamples: " << why << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Fail("usage: mksamples <folder>");
    const auto start = std::chrono::steady_clock::now();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    CollectedMessages messages;
    SetMessageService(&messages);

    std::size_t totalBytes = 0, largest = 0, mostTokens = 0;
    std::string largestPath;
    for (const SampleFile& file : SampleFiles()) {
        std::string text;
        try {
            text = ComposeSampleText(file);
        } catch (const std::exception& e) {
            return Fail(e.what());
        }
        if (!messages.texts.empty()) return Fail(file.path + ": message \"" + messages.texts.front() + "\"");
        // The writer's own limit, and a margin of tokens.
        if (const std::optional<std::string> refusal = SampleTextRefusal(text)) return Fail(file.path + ": " + *refusal);
        const std::size_t tokens = SplitTokens(text).size();

        const QString path = QDir(folder).filePath(QString::fromStdString(file.path));
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) return Fail("cannot make the folder of " + file.path);
        if (SaveDocumentFile(path, text) != SaveResult::Written)
            return Fail(file.path + ": " + (messages.texts.empty() ? std::string("not written") : messages.texts.front()));
        const std::size_t bytes = std::size_t(QFileInfo(path).size());
        totalBytes += bytes;
        if (bytes > largest) largest = bytes, largestPath = file.path;
        if (tokens > mostTokens) mostTokens = tokens;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "mksamples: " << SampleFiles().size() << " documents, " << totalBytes << " bytes (largest "
              << largest << ", " << largestPath << "; most tokens " << mostTokens << ") in " << ms.count() << " ms\n";
    return 0;
}
