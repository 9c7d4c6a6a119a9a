#!/usr/bin/env bash
# Sets everything up and runs the program over a demo suite on Firebird's embedded engine:
# no server process. The suite lives in .demo/ (DEMO_DIR); --rebuild makes it anew.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
DEMO=${DEMO_DIR:-$repo/.demo}
rebuild=0
for arg in "$@"; do
  case $arg in
    --rebuild) rebuild=1 ;;
    *) echo "uso: $0 [--rebuild]" >&2; exit 2 ;;
  esac
done

bash "$here/setup.sh"
bash "$here/build.sh"
. "$here/firebird-root.sh"
export FIREBIRD=$DEMO/root FIREBIRD_LOCK=$DEMO/lock FIREBIRD_TMP=$DEMO/lock

[ $rebuild -eq 1 ] && rm -rf "$DEMO"
if [ ! -f "$DEMO/.pronto" ]; then
  echo "Criando o suite de demonstração em $DEMO ..."
  rm -rf "$DEMO"
  mkdir -p "$DEMO/dados" "$DEMO/Interfac" "$DEMO/lock"
  fb_make_root "$DEMO/root"
  fb_write_aliases "$DEMO/root" ":" "$DEMO/dados/quintora.fdb" "$DEMO/Interfac/quintora.fdb"
  fb_make_security "$DEMO/root"
  fb_create_database "$DEMO/dados/quintora.fdb" "$repo/sql/main_schema.sql"
  fb_create_database "$DEMO/Interfac/quintora.fdb" "$repo/sql/interface_schema.sql"
  "$repo/build/valorama-demogen" --main "$DEMO/dados/quintora.fdb" --interface "$DEMO/Interfac/quintora.fdb" \
    --orders "${DEMO_ORDERS:-6000}" --components "${DEMO_COMPONENTS:-3000}" > "$DEMO/usuarios.txt"
  # An empty server address: the program opens the suite in-process through the aliases.
  printf '%-48s %s\r\n' "IP DO SERVIDOR CENTRAL.........................:" "" > "$DEMO/QUINTORA.INI"
  touch "$DEMO/.pronto"
fi
# The program reads QUINTORA.INI from its own folder.
cp -f "$repo/build/valorama" "$DEMO/valorama"
cat "$DEMO/usuarios.txt"

if [ -z "${DISPLAY:-}" ]; then
  echo
  echo "Não há tela (DISPLAY vazio): o programa roda sob Xvfb e a tela de login é salva em $DEMO/login.png."
  echo "Para usar o programa de verdade, rode este comando numa sessão gráfica (ou com ssh -X)."
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    '$DEMO/valorama' & pid=\$!
    sleep 4
    import -window root '$DEMO/login.png' || true
    kill \$pid 2>/dev/null; sleep 1; kill -9 \$pid 2>/dev/null; wait \$pid 2>/dev/null || true"
  echo "Tela de login: $DEMO/login.png"
else
  exec "$DEMO/valorama"
fi
