# Sourced by the fixture and the demo: a private Firebird root (configuration, messages,
# plugins, character sets) so that nothing of the system's Firebird set-up is used or changed.
FBLIB=/usr/lib/x86_64-linux-gnu/firebird/3.0
DBPASS=q7Rv2wLpZ

# fb_make_root ROOT [PORT]: with a port, a server's configuration on loopback.
fb_make_root() {
  local root=$1 port=${2:-}
  mkdir -p "$root/intl"
  cp -f "$FBLIB/intl/libfbintl.so" "$root/intl/libfbintl.so"   # a link breaks non-builtin charsets
  cp -f "$FBLIB/intl/fbintl.conf" "$root/intl/fbintl.conf"
  ln -sfn "$FBLIB/firebird.msg" "$root/firebird.msg"
  ln -sfn "$FBLIB/plugins" "$root/plugins"
  ln -sfn "$FBLIB/plugins.conf" "$root/plugins.conf"
  {
    [ -n "$port" ] && printf 'RemoteServicePort = %s\nRemoteBindAddress = 127.0.0.1\n' "$port"
    printf 'SecurityDatabase = %s\n' "$root/security3.fdb"
  } > "$root/firebird.conf"
}

# fb_write_aliases ROOT PREFIX MAIN_FILE INTERFACE_FILE: PREFIX is "" for a server's
# aliases and ":" for the embedded engine's.
fb_write_aliases() {
  local root=$1 prefix=$2 main=$3 interface=$4
  cat > "$root/databases.conf" <<CONF
security.db = $root/security3.fdb
{
	RemoteAccess = false
}
${prefix}C:\\quintora\\dados\\quintora.bd = $main
${prefix}C:\\quintora\\Interfac\\quintora.bd = $interface
CONF
}

fb_make_security() {
  local root=$1
  [ -f "$root/security3.fdb" ] && return 0
  printf "create database '%s';\ncreate user SYSDBA password '%s';\ncommit;\n" "$root/security3.fdb" "$DBPASS" \
    | isql-fb -q -user SYSDBA >/dev/null
}

# fb_create_database TARGET SCHEMA: TARGET is a file (embedded) or host/port:file.
fb_create_database() {
  local target=$1 schema=$2
  printf "create database '%s' user 'SYSDBA' password '%s' page_size 8192 default character set WIN1252;\ncommit;\nexit;\n" \
    "$target" "$DBPASS" | isql-fb -q -user SYSDBA -password "$DBPASS" >/dev/null
  isql-fb -q -user SYSDBA -password "$DBPASS" -i "$schema" "$target" >/dev/null
}
