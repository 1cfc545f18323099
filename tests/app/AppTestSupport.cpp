#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "qrdoc/Workspace.h"

namespace tessivo::app::testing {

MsgAnswer ScriptedPrompter::message(const MessageRequest& request) {
    MsgAnswer answer = MsgAnswer::Ok;
    if (request.buttons != MsgButtons::Ok) {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << request.text.toStdString();
            answer = MsgAnswer::Cancel;
        } else {
            answer = answers.front();
            answers.pop_front();
        }
    }
    messages.push_back({request, answer});
    return answer;
}

QString ScriptedPrompter::input(const QString& prompt, const QString& title, const QString& defaultText) {
    asked.push_back({prompt, title, defaultText});
    if (inputs.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return {};
    }
    QString answer = inputs.front();
    inputs.pop_front();
    return answer.isNull() ? QString() : answer;
}

QStringList ScriptedPrompter::texts() const {
    QStringList all;
    for (const auto& asked : messages) all << asked.request.text;
    return all;
}

TempWorkspace::TempWorkspace() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("tessivo-app-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempWorkspace::~TempWorkspace() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempWorkspace::write(const std::string& relative, const std::string& bytes) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string TempWorkspace::read(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

WindowHarness::WindowHarness(const std::function<void(TempWorkspace&)>& prepare, bool startService) {
    qrdoc::Workspace(workspace_.path()).CreateMissingParts();
    if (prepare) prepare(workspace_);
    AppServices base;
    base.programDir = workspace_.path();
    if (startService) {
        service_ = std::make_unique<QrService>("127.0.0.1", 0);
        base.qrHost = base.decodeHost = service_->HostPort();
    } else {
        base.qrHost = base.decodeHost = "127.0.0.1:9";  // nothing listens on the discard port
    }
    base.prompter = &prompter;
    base.launcher = &launcher;
    session_ = std::make_unique<Session>(base, [this] { exited = true; });
    session_->StartMainWindow();
}

WindowHarness::~WindowHarness() {
    session_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainQR& WindowHarness::window() { return *session_->mainWindow(); }

std::string ListLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += '"' + fields[i] + '"';
    }
    return line + "\r\n";
}

std::string RunProgram(const std::string& command, int* status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), read);
    const int result = pclose(pipe);
    if (status != nullptr) *status = WEXITSTATUS(result);
    return output;
}

}  // namespace tessivo::app::testing
