# Writes the build's moment as a Windows file time (100 ns ticks since 1601, UTC)
# into a one-line source file, so each build of the finder carries its own stamp.
string(TIMESTAMP unix_seconds "%s" UTC)
math(EXPR filetime "(${unix_seconds} + 11644473600) * 10000000")
set(text "// Generated at build time.\nextern const unsigned long long kBuildFileTime = ${filetime}ULL;\n")
file(WRITE "${OUT}" "${text}")
