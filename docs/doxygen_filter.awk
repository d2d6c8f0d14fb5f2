# Doxygen's input filter for the public headers: the comment lines right above
# a declaration become its documentation (///), and the declarations of each
# header join the group of its folder (core, gfx2d, media, ...).
function flush(documents,    k, line) {
    for (k = 1; k <= held; k++) {
        line = lines[k]
        if (documents) sub(/\/\//, "///", line)
        print line
    }
    held = 0
}

FNR == 1 {
    folder = FILENAME
    sub(/\/[^\/]*$/, "", folder)
    sub(/.*\//, "", folder)
    grouped = folder != "runtime"  # morvane.h itself belongs to no folder's group
    if (grouped) print "/** \\addtogroup " folder "\n @{ */"
}

/^[ \t]*\/\// {
    lines[++held] = $0
    next
}

{
    flush($0 ~ /^[ \t]*[A-Za-z~]/ && $0 !~ /^[ \t]*(public|private|protected):/)
    print
}

END {
    flush(0)
    if (grouped) print "/** @} */"
}
