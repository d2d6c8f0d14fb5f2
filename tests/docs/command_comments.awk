# Prints each command (an upper-case free function declared at the start of a
# line) that has no comment on the line above it, and how many were looked at.
# Exits with 1 when one has none.
FNR == 1 { previous = "" }
/^[A-Za-z][A-Za-z0-9_:<>]*[ *&]+[A-Z][A-Z0-9_]*(_Str)?\(/ {
    commands++
    if (previous !~ /^[ \t]*\/\//) {
        name = $0
        sub(/\(.*/, "", name)
        sub(/.*[ *&]/, "", name)
        print FILENAME ":" FNR ": " name " has no comment above it"
        missing++
    }
}
{ previous = $0 }
END {
    if (missing) exit 1
    print commands " commands in the public headers, each with its comment"
}
