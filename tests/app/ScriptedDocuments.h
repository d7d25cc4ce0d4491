#pragma once
// The main window's document commands, scripted: records every open and save
// and answers from a script (open: not opened, save: not written, once the
// script is used up). Installs itself while it lives.
#include "app/DocumentCommands.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedDocuments : public DocumentCommands {
public:
    ScriptedDocuments() : previous_(&Documents()) { SetDocumentCommands(this); }
    ~ScriptedDocuments() override { SetDocumentCommands(previous_); }
    ScriptedDocuments(const ScriptedDocuments&) = delete;
    ScriptedDocuments& operator=(const ScriptedDocuments&) = delete;

    bool OpenDocument(frmF1& window, const std::string& path) override {
        opened.push_back(path);
        const bool ok = Next(openScript_);
        if (ok && onOpen) onOpen(window);
        return ok;
    }
    bool SaveDocument(frmF1&) override {
        ++saves;
        return Next(saveScript_);
    }

    void AnswerOpen(bool opened) { openScript_.push_back(opened); }
    void AnswerSave(bool written) { saveScript_.push_back(written); }

    std::vector<std::string> opened;
    int saves = 0;
    // Runs after an open that succeeds (what the reader would have done).
    std::function<void(frmF1&)> onOpen;

private:
    static bool Next(std::deque<bool>& script) {
        if (script.empty()) return false;
        const bool a = script.front();
        script.pop_front();
        return a;
    }
    std::deque<bool> openScript_;
    std::deque<bool> saveScript_;
    DocumentCommands* previous_;
};
