#include "app/Help.h"

#include <string>

namespace tessivo::app {

std::filesystem::path HelpTopicPath(const std::filesystem::path& programDir, int context) {
    const std::filesystem::path folder = programDir / "HELP";
    if (context > 0) {
        const auto topic = folder / ("topic-" + std::to_string(context) + ".html");
        std::error_code error;
        if (std::filesystem::exists(topic, error)) return topic;
    }
    return folder / "index.html";
}

}  // namespace tessivo::app
