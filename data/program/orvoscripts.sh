# Shared helpers of Orvo's batch scripts, sourced by each of them:
#   case $0 in */*) . "${0%/*}/orvoscripts.sh" ;; *) . ./orvoscripts.sh ;; esac
# POSIX sh. Every file name is handled as one quoted word: nothing in a name
# is expanded or run. Each script prints what it runs, so the console
# window shows it. A compile is the common job: its helpers set `orvo_value`
# instead of printing, so it starts no subshell and no program but TeX's.

case $0 in
    */*) orvo_dir=${0%/*}; orvo_dir=${orvo_dir:-/} ;;
    *) orvo_dir=. ;;
esac

# Prints a command line as it runs, quoting words that hold anything
# special.
orvo_show() {
    _show_line=
    for _show_word in "$@"; do
        case $_show_word in
            '' | *[!A-Za-z0-9_./:=+,@%-]*)
                _show_word="'$(printf '%s' "$_show_word" | sed "s/'/'\\\\''/g")'" ;;
        esac
        _show_line="$_show_line${_show_line:+ }$_show_word"
    done
    printf '%s\n' "$_show_line"
}

# Shows the command, then runs it; returns its status.
orvo_run() {
    orvo_show "$@"
    "$@"
}

orvo_usage() {
    printf 'usage: %s\n' "$1" >&2
    exit 2
}

# The command processor that runs programs and scripts for the scripts.
orvo_cmd() {
    if [ -x "$orvo_dir/orvocmd" ]; then
        printf '%s\n' "$orvo_dir/orvocmd"
    elif [ -n "${COMSPEC:-}" ]; then
        printf '%s\n' "$COMSPEC"
    else
        printf '%s\n' orvocmd
    fi
}

# The file the workbench means by a derived name: the name itself when it
# exists, else a file of the same folder whose name differs only in case
# (TeX writes paper.dvi, the workbench says PAPER.DVI). Sets `orvo_value` to
# the name found, or to the name unchanged and returns 1 when there is none.
orvo_set_found_file() {
    orvo_value=$1
    [ -e "$1" ] && return 0
    case $1 in
        */*) _find_dir=${1%/*}; _find_dir=${_find_dir:-/} ;;
        *) _find_dir=. ;;
    esac
    _find_pattern=$(printf '%s\n' "${1##*/}" | sed 's/[][*?\\]/\\&/g')
    _find_found=$(find "$_find_dir" -mindepth 1 -maxdepth 1 -iname "$_find_pattern" -print 2>/dev/null | head -n 1)
    [ -n "$_find_found" ] || return 1
    orvo_value=$_find_found
}
# The same, printed.
orvo_find_file() {
    orvo_set_found_file "$1"
    _find_status=$?
    printf '%s\n' "$orvo_value"
    return "$_find_status"
}

# The name without its extension (the folder stays): what TeX calls the job.
orvo_set_base() {
    case ${1##*/} in
        *.*) orvo_value=${1%.*} ;;
        *) orvo_value=$1 ;;
    esac
}
orvo_base() {
    orvo_set_base "$1"
    printf '%s\n' "$orvo_value"
}

# A format entry's program: a leading "&web2cbin" (any case) stands for the
# distribution's program folder UTILSDIR, or for PATH when that is not set.
orvo_set_program() {
    case $1 in
        [\&][Ww][Ee][Bb]2[Cc][Bb][Ii][Nn]*)
            _program_name=${1#?????????}
            _program_name=${_program_name#/}
            if [ -n "${UTILSDIR:-}" ] && [ -x "${UTILSDIR%/}/$_program_name" ]; then
                orvo_value=${UTILSDIR%/}/$_program_name
            else
                orvo_value=$_program_name
            fi ;;
        *) orvo_value=$1 ;;
    esac
}

# The main file as TeX's first input line: a name with blanks, or one that
# TeX would take for an option, a format or a command, in TeX's quotes.
orvo_set_tex_name() {
    case $1 in
        *[[:space:]]* | -* | [\&\\*]*) orvo_value="\"$1\"" ;;
        *) orvo_value=$1 ;;
    esac
}

# Compiles FILE with the format command (program and options): runs it
# again, three runs at most, while the log asks for a rerun. Returns the
# last run's status.
orvo_compile() {
    _compile_file=$1
    shift
    [ $# -gt 0 ] || orvo_usage "no format command for $_compile_file"
    orvo_set_program "$1"
    _compile_program=$orvo_value
    shift
    orvo_set_tex_name "$_compile_file"
    _compile_input=$orvo_value
    orvo_set_base "${_compile_file##*/}"
    _compile_job=$orvo_value
    _compile_run=1
    while :; do
        orvo_run "$_compile_program" "$@" "$_compile_input"
        _compile_status=$?
        [ "$_compile_status" -eq 0 ] && [ "$_compile_run" -lt 3 ] || break
        orvo_set_found_file "$_compile_job.log" || break
        _compile_log=$orvo_value
        grep -q -i -E 'rerun to get|rerun latex|please rerun' "$_compile_log" || break
        _compile_run=$((_compile_run + 1))
        printf '%s\n' "The log asks for another run: run $_compile_run of 3."
    done
    return "$_compile_status"
}

# Replaces the virtual fonts of a DVI file by their real characters.
orvo_devirtualize() {
    if ! _devirt_dvi=$(orvo_find_file "$1"); then
        printf '%s\n' "No DVI file $1 to devirtualize."
        return 1
    fi
    case $_devirt_dvi in
        */*) _devirt_tmp="${_devirt_dvi%/*}/_orvo_devirt_$$.dvi" ;;
        *) _devirt_tmp="./_orvo_devirt_$$.dvi" ;;
    esac
    if orvo_run dvicopy "$_devirt_dvi" "$_devirt_tmp"; then
        mv -f -- "$_devirt_tmp" "$_devirt_dvi"
    else
        _devirt_status=$?
        rm -f -- "$_devirt_tmp"
        return "$_devirt_status"
    fi
}

# The value of NAME= in a settings file with CR LF lines.
orvo_setting() {
    sed -n "s/^$1=//p" "$2" | tr -d '\r' | head -n 1
}

# Starts a previewer command (blanks separate its words, nothing in it is
# expanded) on FILE and leaves it running.
orvo_view() {
    _view_file=$2
    set -f
    # shellcheck disable=SC2086 # the command's words, on purpose
    set -- $1
    set +f
    [ $# -gt 0 ] || return 0
    orvo_show "$@" "$_view_file"
    "$(orvo_cmd)" "$@" "$_view_file" </dev/null >/dev/null 2>&1 &
}
