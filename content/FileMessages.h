#pragma once
#include "content/TextFileReader.h"
#include "platform/MessageBoxService.h"
#include <optional>

// The box that tells a teacher why a practice file was not loaded, in words that say what to do
// about it; nothing for a file that loaded. path is the file as chosen.
std::optional<MessageBoxText> refusalMessage(TextFileLoad::Status status, const QString& path);
