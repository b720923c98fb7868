# The scripts' command lines, read one way with the same messages everywhere. A script sets
# script_name, sources this and reads its arguments in a loop of this shape:
#   --help | -h) show_help ;;
#   --label) needs_value "$@"; label=$2; shift 2 ;;
#   -*) unknown_option "$1" ;;
# A usage error names what is wrong in one line and exits with status 2.

usage_error() {
  echo "$script_name: $*" >&2
  exit 2
}

# needs_value "$@": the option in $1 must have a value after it.
needs_value() { [ $# -ge 2 ] || usage_error "$1 needs a value"; }

unknown_option() { usage_error "unknown option $1 (see --help)"; }

# The comment at the top of the script, which says what it does and how to call it.
show_help() {
  awk 'NR == 1 { next } /^#/ { sub(/^# ?/, ""); print; next } { exit }' "$0"
  exit 0
}
