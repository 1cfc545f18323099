#pragma once
// Help pages: one HTML page per help context number in the workspace's HELP folder.

#include <filesystem>

namespace tessivo::app {

// The page for a context number: HELP/topic-<n>.html, or HELP/index.html (the default topic)
// for 0 and for numbers that have no page of their own.
std::filesystem::path HelpTopicPath(const std::filesystem::path& programDir, int context);

}  // namespace tessivo::app
