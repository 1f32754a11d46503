# shellcheck shell=bash
# Debian's own qt6-base source, which the static Qt builds for Windows and for the browser start
# from. Source it, then:
#
#   qt_source_fetch DIR DEB_VERSION   unpacks and patches the qt6-base source of DEB_VERSION (the
#                                     version of the installed qt6-base-dev-tools) in DIR/src
qt_source_fetch() {
  local dir=$1 deb_version=$2 apt_dir=$1/apt line signed='' fields suite component
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/parts"
  # apt-get source needs a deb-src entry: apt gets its own sources list and lists folder, made
  # from the archives that hold the installed qt6-base-dev-tools, and the machine's stay as they are.
  : >"$apt_dir/sources.list"
  [[ -e /usr/share/keyrings/debian-archive-keyring.gpg ]] &&
    signed='[signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]'
  while read -r line; do
    read -r -a fields <<<"$line"
    [[ ${fields[1]:-} == http* ]] || continue
    suite=${fields[2]%/*} component=${fields[2]#*/}
    [[ $suite == "${fields[2]}" ]] && component=
    echo "deb-src $signed ${fields[1]} $suite $component" >>"$apt_dir/sources.list"
  done < <(LC_ALL=C apt-cache policy qt6-base-dev-tools |
    awk '/^ [ *]/ && !/Version table/ { if ($1 == "***") mine = ($2 == v); else if ($2 !~ /^[a-z\/]/) mine = ($1 == v); else if (mine) print }' v="$deb_version")
  if [[ ! -s $apt_dir/sources.list ]]; then
    echo "rekenrups: apt knows no archive that holds qt6-base $deb_version" >&2
    return 1
  fi
  local apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache::Archives=$apt_dir/archives"
    -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
  apt-get "${apt_options[@]}" update -q
  (cd "$dir" && apt-get "${apt_options[@]}" source -q "qt6-base=$deb_version")
  mv "$dir/qt6-base-${deb_version%%[+-]*}"*/ "$dir/src"
}

#   qt_build_once PREFIX BUILD   runs the function BUILD unless PREFIX holds a finished Qt
#                                (PREFIX/.complete); one build at a time: another run (CI beside a
#                                developer) waits for it and takes its result
qt_build_once() {
  local prefix=$1 build=$2
  exec 8>"$prefix.lock"
  flock 8
  if [[ ! -e $prefix/.complete ]]; then
    rm -rf "$prefix"
    "$build"
  fi
  exec 8>&-
}
