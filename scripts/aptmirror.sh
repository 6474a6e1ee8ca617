# The Debian package mirror that this machine's apt configuration uses, so
# that sources added by setup (the backports) come from the same mirror.
# Sourced by setup.sh and by its test.

# Prints the URI of the first package source of type deb that serves the
# release (the suite itself or its -updates), reading the apt configuration
# below root (/ by default) in apt's order: sources.list, then the files of
# sources.list.d, one-line .list and deb822 .sources alike. Prints nothing
# when no source serves it.
debian_mirror() {
    local release="$1" root="${2:-}" file
    local files=("$root/etc/apt/sources.list" "$root"/etc/apt/sources.list.d/*)
    for file in "${files[@]}"; do
        [ -f "$file" ] || continue
        case "$file" in
            */sources.list | *.list) awk -v want="$release" "$one_line_sources" "$file" ;;
            *.sources) awk -v want="$release" "$deb822_sources" "$file" ;;
        esac
    done | head -n 1
}

# deb [options] uri suite component...
one_line_sources='
    { sub(/#.*/, ""); gsub(/\[[^]]*\]/, " ") }
    $1 == "deb" && ($3 == want || $3 == want "-updates") { sub(/\/+$/, "", $2); print $2; exit }'

# Stanzas of "Field: value" lines (continued on indented lines), separated by
# blank lines; field names in any letter case.
deb822_sources='
    function served(   n, i, suite) {
        n = split(f["suites"], suite, " ")
        for (i = 1; i <= n; i++) if (suite[i] == want || suite[i] == want "-updates") return 1
        return 0
    }
    function stanza_end(   uri) {
        if (!found && (" " f["types"] " ") ~ / deb / && tolower(f["enabled"]) != "no" && served()) {
            split(f["uris"], uri, " ")
            sub(/\/+$/, "", uri[1])
            print uri[1]
            found = 1
        }
        split("", f)
    }
    /^[ \t]*#/ { next }
    /^[ \t]*$/ { stanza_end(); next }
    /^[ \t]/ { f[field] = f[field] " " $0; next }
    {
        field = tolower(substr($0, 1, index($0, ":") - 1))
        f[field] = substr($0, index($0, ":") + 1)
        gsub(/^[ \t]+|[ \t]+$/, "", f[field])
    }
    END { stanza_end() }'
