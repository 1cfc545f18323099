#pragma once
// Drives the real main window offscreen: a scripted prompter, a recording launcher, a fresh
// workspace in a temporary folder, and the real QR service on 127.0.0.1.

#include <QApplication>
#include <QString>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Launcher.h"
#include "app/MainQR.h"
#include "app/Prompter.h"
#include "app/Session.h"
#include "qrservice/QrService.h"
#include "tests/support/Files.h"

namespace tessivo::app::testing {

struct AskedMessage {
    MessageRequest request;
    MsgAnswer answer;
};

// Answers message boxes and input boxes from scripts and records every question. A box with
// only an OK button needs no script; any other box with an empty script fails the test.
class ScriptedPrompter final : public Prompter {
  public:
    MsgAnswer message(const MessageRequest& request) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;

    std::deque<MsgAnswer> answers;
    std::deque<QString> inputs;  // a null QString stands for Cancel
    std::vector<AskedMessage> messages;
    struct AskedInput {
        QString prompt, title, defaultText;
    };
    std::vector<AskedInput> asked;

    QStringList texts() const;
};

class RecordingLauncher final : public Launcher {
  public:
    void openFile(const std::string& path) override { files.push_back(path); }
    void openFolder(const std::string& folder) override { folders.push_back(folder); }
    void openUrl(const std::string& url) override { urls.push_back(url); }
    std::vector<std::string> files, folders, urls;
};

// A temporary workspace folder, removed at the end, with files addressed by their path in it.
class TempWorkspace {
  public:
    const std::filesystem::path& path() const { return folder_.path(); }
    // Writes the file, making the folders on its path first.
    void write(const std::string& relative, const std::string& bytes) const;
    // The file's bytes; empty when it is missing.
    std::string read(const std::string& relative) const;

  private:
    testsupport::ScratchFolder folder_;
};

// One session with its main window over a temporary workspace and a running QR service.
class WindowHarness {
  public:
    // `prepare` runs on the empty workspace before the window loads (write list files there).
    explicit WindowHarness(const std::function<void(TempWorkspace&)>& prepare = {},
                           bool startService = true);
    ~WindowHarness();

    MainQR& window();
    Session& session() { return *session_; }
    TempWorkspace& workspace() { return workspace_; }
    ScriptedPrompter prompter;
    RecordingLauncher launcher;
    bool exited = false;

    template <typename T>
    T* find(const QString& name) {
        return window().findChild<T*>(name);
    }

  private:
    TempWorkspace workspace_;
    std::unique_ptr<QrService> service_;
    std::unique_ptr<Session> session_;
};

// Bytes of a list file as the program writes it: fields quoted, joined by commas, CR LF.
std::string ListLine(const std::vector<std::string>& fields);

// Runs a shell command and returns its standard output; its standard error goes to the test
// log. The exit status lands in `status` (-1 when the command could not run or died of a
// signal).
std::string RunProgram(const std::string& command, int* status = nullptr);

}  // namespace tessivo::app::testing
