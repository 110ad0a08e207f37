// The catalogue's texts in the run's language.
#include "core/Texts.h"

#include <atomic>

namespace tubewise::text {

namespace {

// Read by the batch's worker threads too; set once before they start.
std::atomic<Translator> current{nullptr};

std::string Lookup(Text text, int n) {
    const Translator translate = current.load(std::memory_order_acquire);
    return translate ? translate(kContext, text.source, n) : std::string(text.source);
}

std::string ReplaceAll(std::string text, std::string_view marker, std::string_view by) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + by.size()))
        text.replace(at, marker.size(), by);
    return text;
}

}  // namespace

void SetTranslator(Translator translator) {
    current.store(translator, std::memory_order_release);
}

std::string Tr(Text text) {
    return Lookup(text, -1);
}

std::string Tr(Text text, std::string_view argument) {
    return ReplaceAll(Lookup(text, -1), "%1", argument);
}

std::string TrCount(Text text, int n) {
    // Qt's translator puts the number in itself; the Persian source is filled here.
    return ReplaceAll(Lookup(text, n), "%n", std::to_string(n));
}

}  // namespace tubewise::text
