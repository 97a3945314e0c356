# Sourced by the scripts that drive the program in an X server.

# The id of the visible window with exactly this caption, waiting up to ten
# seconds for it to show; fails when it does not.
find_window() { # caption
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
        if [ -n "$wid" ]; then echo "$wid"; return 0; fi
        sleep 0.1
    done
    return 1
}
