#!/bin/sh
# LauncherTest.sh <launcher> <program folder relative to it>: runs the launcher in
# front of a stand-in program that prints the locale settings it was given.
set -eu
launcher=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/bin" "$root/bin/$2/locale/ru_RU.UTF-8"
cp "$launcher" "$root/bin/kelvorin2"
cat > "$root/bin/$2/Kelvorin2" <<'STUB'
#!/bin/sh
echo "LC_ALL=${LC_ALL:-} LC_NUMERIC=${LC_NUMERIC:-} LOCPATH=${LOCPATH:-} args=$*"
STUB
chmod +x "$root/bin/$2/Kelvorin2"

expect() {
    if [ "$1" != "$2" ]; then
        echo "expected: $2"
        echo "     got: $1"
        exit 1
    fi
}
run() { env -u LC_ALL -u LC_NUMERIC -u LOCPATH "$@" sh "$root/bin/kelvorin2" a b; }

expect "$(run LC_ALL=C.UTF-8)" "LC_ALL=C.UTF-8 LC_NUMERIC= LOCPATH= args=a b"
expect "$(run LC_NUMERIC=C)" "LC_ALL= LC_NUMERIC=C LOCPATH= args=a b"
if locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\{0,1\}8$'; then
    expect "$(run)" "LC_ALL= LC_NUMERIC=ru_RU.UTF-8 LOCPATH= args=a b"
else
    expect "$(run)" "LC_ALL=ru_RU.UTF-8 LC_NUMERIC= LOCPATH=$root/bin/$2/locale args=a b"
fi
