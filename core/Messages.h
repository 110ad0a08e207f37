// Message seam of the core: procedures that must tell the analyst something hand a prompt
// and a title (UTF-8) to this sink; the windows show a message box, the command line prints.
#pragma once

#include <functional>
#include <string>

namespace tubewise {

struct Message {
    std::string prompt;
    std::string title;
};

using MessageSink = std::function<void(const Message&)>;

}  // namespace tubewise
