// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Texts.h"

#include <atomic>

namespace kovaq {
namespace {

// Read from any thread (the Recipes window's readers); set once at start.
std::atomic<TextHook> g_hook{nullptr};

std::string replaceCount(std::string text, int n) {
    const std::string count = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos;
         at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

template <typename Args> std::string fill(std::string_view text, const Args& args) {
    std::string out;
    out.reserve(text.size() + 16 * args.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < args.size()) {
                out += *(args.begin() + k);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

void SetTextHook(TextHook hook) {
    g_hook.store(hook);
}

std::string FillText(std::string_view text, std::initializer_list<std::string_view> args) {
    return fill(text, args);
}

std::string FillText(std::string_view text, const std::vector<std::string>& args) {
    return fill(text, args);
}

std::string Say(const char* context, const char* source,
                std::initializer_list<std::string_view> args) {
    const TextHook hook = g_hook.load();
    return FillText(hook ? hook(context, source, -1) : std::string(source), args);
}

std::string SayCount(const char* context, const char* one, const char* many, int n,
                     std::initializer_list<std::string_view> args) {
    const TextHook hook = g_hook.load();
    std::string text = hook ? hook(context, many, n) : std::string(many);
    // Untranslated, English has its own two forms.
    if (text == many && n == 1)
        text = one;
    return FillText(replaceCount(std::move(text), n), args);
}

} // namespace kovaq
