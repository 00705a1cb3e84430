#!/usr/bin/env bash
# The real program under a virtual X server, driven with xdotool as a user would: the window
# appears titled "Zelvaro", Ctrl+O opens the file dialog, an example opens and the title names
# it, Ctrl+Q closes the program; started with a file's name, it opens that file. Skipped (77)
# where Xvfb or xdotool is missing. The X server must not reset when the first program ends, or
# the second could not connect.
set -euo pipefail
app=$1
example=$2
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "sem $tool: teste omitido"; exit 77; }
done
export HOME=$(mktemp -d)
# A real window, whatever platform the other tests run on.
export QT_QPA_PLATFORM=xcb
trap 'rm -rf "$HOME"' EXIT

xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -s "$app" "$example" <<'SH'
set -euo pipefail
app=$1
example=$2
"$app" >"$HOME/zelvaro.log" 2>&1 &
pid=$!
fail() { echo "FALHOU: $*"; cat "$HOME/zelvaro.log"; kill $pid 2>/dev/null || true; exit 1; }
# The visible top-level window named exactly `$1`, within `$2` quarter seconds (80: 20 s).
window_named() {
  for _ in $(seq 1 "${2:-80}"); do
    id=$(xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[][]/\\&/g')\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}
# Keys go to the window under the pointer: there is no window manager.
press() {
  xdotool mousemove --window "$1" 40 40 windowfocus --sync "$1"
  sleep 0.3
  xdotool key --clearmodifiers "$2"
}

main=$(window_named "Zelvaro") || fail "a janela \"Zelvaro\" não apareceu"
echo "janela principal: $main"
# A loaded machine may still be settling the window when the first key comes: try thrice.
dialog=""
for _ in 1 2 3; do
  press "$main" ctrl+o
  dialog=$(window_named "Abrir" 28) && break
done
[ -n "$dialog" ] || fail "Ctrl+O não abriu a caixa \"Abrir\""
echo "caixa de abrir: $dialog"
xdotool mousemove --window "$dialog" 40 40 windowfocus --sync "$dialog"
sleep 0.3
xdotool type --delay 20 "$example"
xdotool key Return
title="Zelvaro - [$(basename "$example")]"
window_named "$title" >/dev/null || fail "o título não passou a \"$title\""
echo "título: $title"
press "$main" ctrl+q
for _ in $(seq 1 40); do kill -0 $pid 2>/dev/null || break; sleep 0.25; done
kill -0 $pid 2>/dev/null && fail "Ctrl+Q não fechou o programa"
wait $pid || fail "o programa terminou com erro"
echo "Ctrl+Q fechou o programa"

# "zelvaro FILE.pbl", as a file manager starts it.
"$app" "$example" >"$HOME/zelvaro.log" 2>&1 &
pid=$!
opened=$(window_named "$title") || fail "\"zelvaro ARQUIVO\" não abriu o arquivo"
echo "aberto pela linha de comando: $title"
press "$opened" ctrl+q
for _ in $(seq 1 40); do kill -0 $pid 2>/dev/null || break; sleep 0.25; done
kill -0 $pid 2>/dev/null && fail "Ctrl+Q não fechou o programa"
wait $pid || fail "o programa terminou com erro"
SH
