// Opens each ".pgp" file named on the command line as File > Open reads it
// (nothing applied) and prints what came of it and how long it took: the
// hostile documents' time and memory are measured with this program under
// /usr/bin/time -v.
#include "core/MessageService.h"
#include "document/DocumentFile.h"

#include <QtCore/QString>

#include <chrono>
#include <iostream>

namespace {

// Prints each message instead of showing it.
class PrintedMessages : public MessageService {
public:
    MsgAnswer Show(const MessageRequest& request) override {
        std::cout << "  message: " << request.text << '\n';
        return FirstButtonAnswer(request.buttons);
    }
};

} // namespace

int main(int argc, char** argv) {
    PrintedMessages messages;
    SetMessageService(&messages);
    for (int k = 1; k < argc; ++k) {
        const auto start = std::chrono::steady_clock::now();
        const auto doc = LoadDocument(QString::fromLocal8Bit(argv[k]), Cls3{});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cout << argv[k] << ": " << (doc ? std::to_string(doc->Rows.size()) + " graphs" : std::string("refused"))
                  << " in " << took.count() << " s\n";
    }
    SetMessageService(nullptr);
}
