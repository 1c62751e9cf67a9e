#pragma once

// The program's build version as version control describes the source it was built from:
// release tag, commits since it and the abbreviated revision, "1.3.1-1-g8ddccea".
extern const char *const git_build_version;
