#include "shell/program.h"

#include "platform/user_feedback.h"

#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

CProgram *current = nullptr;

} // namespace

CProgram::CProgram()
{
    current = this;
}

CProgram::~CProgram()
{
    if (current == this) {
        current = nullptr;
    }
}

namespace {

// The model and sub-model code of the computer that has a Hotlink interface.
constexpr char hotlink_model_code[] = "7";
constexpr char hotlink_sub_model_code[] = "2";

} // namespace

bool SOptions::has_hotlink_interface() const
{
    return model_code == hotlink_model_code && sub_model_code == hotlink_sub_model_code;
}

CProgram &Program()
{
    if (current == nullptr) {
        std::fputs("no program context\n", stderr);
        std::abort();
    }
    return *current;
}

void RequestGroup(std::uint16_t group)
{
    if (Program().group_requester != nullptr) {
        Program().group_requester->GroupRequest(group);
    }
}

QString ChooseDataFile(SFile_choice choice)
{
    choice.directory = Program().options.data_dir;
    const QString path = ChooseFile(choice);
    if (!path.isEmpty()) {
        Program().options.data_dir = QFileInfo(path).absolutePath();
    }
    return path;
}

bool AdjustLoadedFrame(std::span<std::byte> frame)
{
    for (ILoaded_frame_adjuster *adjuster : Program().frame_adjusters) {
        if (!adjuster->adjust_loaded_frame(frame)) {
            return false;
        }
    }
    return true;
}

void LogLine(const QString &text)
{
    if (Program().message_log != nullptr) {
        Program().message_log->add_line(text);
    }
}
