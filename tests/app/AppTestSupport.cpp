#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include "qrdoc/Workspace.h"
#include "tests/support/OutsideTools.h"

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

QString ScriptedPrompter::input(const QString& prompt, const QString& title,
                                const QString& defaultText) {
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

void TempWorkspace::write(const std::string& relative, const std::string& bytes) const {
    const auto file = path() / relative;
    std::filesystem::create_directories(file.parent_path());
    testsupport::WriteFileBytes(file, bytes);
}

std::string TempWorkspace::read(const std::string& relative) const {
    return testsupport::ReadFileBytes(path() / relative);
}

WindowHarness::WindowHarness(const std::function<void(TempWorkspace&)>& prepare,
                             bool startService) {
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

MainQR& WindowHarness::window() {
    return *session_->mainWindow();
}

std::string ListLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += '"' + fields[i] + '"';
    }
    return line + "\r\n";
}

std::string RunProgram(const std::string& command, int* status) {
    testsupport::ToolResult result =
        testsupport::RunTool(command, testsupport::StandardError::Inherited);
    if (status != nullptr) *status = result.exitCode;
    return std::move(result.output);
}

}  // namespace tessivo::app::testing
