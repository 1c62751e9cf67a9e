#pragma once

#include <QString>

// Names that become file names in the sequence and result directories: asset identities
// typed or scanned, sequence names typed, read from files or imported.
namespace StoredName {

// The name without the characters a stored name may not hold; blanks kept.
QString withoutForbidden(const QString &name);

// A cleaned name that would still name the directory itself or its parent, or nothing.
bool isUsable(const QString &fileName);

// A name that can only be a file directly in its directory, as a listing gives it: usable,
// and without "/" or NUL. Names from a list are used as they stand, never cleaned.
bool isFileName(const QString &name);

// File name of a sequence: forbidden characters dropped, blanks as "_"; "" when unusable.
QString sequenceFileName(const QString &name);

// Forbidden characters and blanks dropped (the result files' rule).
QString withoutBlanks(const QString &name);

// An asset identity as it is stored and names the file: without the blanks and line
// ends around it and without control characters (a scanner ends its code with CR/LF).
QString cleanAssetId(const QString &id);

} // namespace StoredName
