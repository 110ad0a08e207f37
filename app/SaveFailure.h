// Why a file could not be saved, found out after the fact and told in the analyst's language.
#pragma once

#include <QString>

#include "core/Texts.h"

namespace tubewise {

enum class SaveFailure { NoPermission, ReadOnly, DiskFull, FolderMissing, NameNotAllowed, Other };

// The likeliest reason a write to `path` failed, by looking at the name, the folder and the
// file system it lies on.
SaveFailure DiagnoseSaveFailure(const QString& path);

// Why a write to `path` failed, from the system's own words for its error (the text of its
// errno, as QFile reports it): a missing folder only when the folder is indeed missing, no
// reason at all for an error with no reason of ours. Only words that name no system error (none
// given, an incomplete write) fall back on DiagnoseSaveFailure.
SaveFailure SaveFailureOf(const QString& systemReason, const QString& path);

// The message of a failed save: the prompt, the reason in the analyst's language (when one is
// known), the path, and the system's own words as a detail line.
QString SaveFailedMessage(text::Text prompt, const QString& path, const QString& systemReason);

}  // namespace tubewise
