#!/usr/bin/env bash
# Measures the built page as players get it from a real host:
#   - serves the site (and bench/web/empty.html beside it) with Debian's nginx
#     on a free loopback port, compressing with gzip as static hosts do (a
#     private configuration, run as an ordinary process, stopped at the end);
#   - runs Lighthouse 12.2.3 (pinned in tools/lighthouse/package-lock.json,
#     installed there with npm ci) in Debian's chromium, as a phone (its
#     default) and as a desktop (--preset=desktop), and prints the four
#     category scores of each;
#   - times the first paint of the whole window beside the empty page on the
#     same host (bench/web/window_paint.py, headless Chromium);
#   - prints the gzip size of the page's files.
# usage: tools/lighthouse.sh [SITE]   (default build-web/, from tools/web.sh build)
# Needs nginx-light (or nginx), chromium, chromium-driver, python3-selenium,
# nodejs with npm. Not part of the test command: it takes about a minute.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
site=$(cd "${1:-$root/build-web}" && pwd)
fail() { echo "lighthouse.sh: $*" >&2; exit 1; }

for tool in nginx /usr/bin/chromium /usr/bin/chromedriver node npm gzip curl; do
    command -v "$tool" >/dev/null || [ -x "$tool" ] || fail "needs $tool"
done
[ -f "$site/index.html" ] || fail "$site holds no built page (tools/web.sh build)"
lighthouse=$root/tools/lighthouse/node_modules/.bin/lighthouse
if [ ! -x "$lighthouse" ]; then
    (cd "$root/tools/lighthouse" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi
version=$("$lighthouse" --version)
[ "$version" = 12.2.3 ] || fail "Lighthouse is $version, not the pinned 12.2.3"

work=$(mktemp -d "${TMPDIR:-/tmp}/taruk-lighthouse.XXXXXX")
nginx_pid=
cleanup() {
    [ -z "$nginx_pid" ] || { kill "$nginx_pid" 2>/dev/null; wait "$nginx_pid" 2>/dev/null || true; }
    [ -n "${TARUK_LIGHTHOUSE_KEEP:-}" ] && cp "$work"/*.json "$TARUK_LIGHTHOUSE_KEEP"/ 2>/dev/null; rm -rf "$work"
}
trap cleanup EXIT

# The host's folder: the site and the empty page, readable by nginx's workers.
mkdir -p "$work/site" "$work/logs"
cp -r "$site/." "$work/site/"
cp "$root/bench/web/empty.html" "$work/site/"
chmod -R a+rX "$work"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$work/nginx.conf" <<EOF
worker_processes 1;
pid $work/nginx.pid;
error_log $work/logs/error.log warn;
events { worker_connections 64; }
http {
    include /etc/nginx/mime.types;
    types { application/manifest+json webmanifest; }
    default_type application/octet-stream;
    access_log off;
    client_body_temp_path $work/body;
    proxy_temp_path $work/proxy;
    fastcgi_temp_path $work/fastcgi;
    uwsgi_temp_path $work/uwsgi;
    scgi_temp_path $work/scgi;
    sendfile on;
    # What static hosts do: gzip for text and wasm, a short cache time.
    gzip on;
    gzip_comp_level 6;
    gzip_vary on;
    gzip_types text/css application/javascript text/javascript application/wasm
               application/manifest+json image/svg+xml;
    server {
        listen 127.0.0.1:$port;
        root $work/site;
        add_header Cache-Control "max-age=600";
    }
}
EOF
nginx -p "$work" -e "$work/logs/error.log" -c "$work/nginx.conf" -g 'daemon off;' 2>"$work/logs/stderr.log" &
nginx_pid=$!
url=http://127.0.0.1:$port/
for _ in $(seq 50); do curl -sf -o /dev/null "$url" && break; sleep 0.1; done
curl -sf -o /dev/null "$url" || { cat "$work/logs/"*.log >&2; fail "nginx did not serve $url"; }
for file in index.html taruk.wasm; do
    curl -sI -H 'Accept-Encoding: gzip' "$url$file" | grep -qi '^content-encoding: gzip' ||
        fail "the host does not compress $file"
done
echo "Serving $site at $url with gzip (nginx $(nginx -v 2>&1 | sed 's/.*nginx\///'))"

# Headless, without a sandbox (root in a container), and without Chromium's
# calls to its own services, which this machine refuses.
chrome_flags='--headless=new --no-sandbox --disable-gpu --no-first-run --disable-background-networking --disable-component-update --disable-sync --disable-dev-shm-usage'
for form in phone desktop; do
    preset=()
    [ "$form" = desktop ] && preset=(--preset=desktop)
    CHROME_PATH=/usr/bin/chromium "$lighthouse" "$url" "${preset[@]}" --chrome-flags="$chrome_flags" \
        --output=json --output-path="$work/$form.json" --quiet ||
        fail "Lighthouse failed as a $form"
    node -e '
        const report = JSON.parse(require("fs").readFileSync(process.argv[1], "utf8"));
        if (report.runtimeError) throw new Error(report.runtimeError.message);
        const scores = Object.values(report.categories)
            .map((c) => `${c.title} ${c.score === null ? "none" : Math.round(c.score * 100)}`);
        const metric = (id) => report.audits[id].displayValue;
        console.log(`Lighthouse ${report.lighthouseVersion}, ${process.argv[2]}: ${scores.join(", ")}` +
                    ` (first contentful paint ${metric("first-contentful-paint")},` +
                    ` largest contentful paint ${metric("largest-contentful-paint")})`);
        for (const c of Object.values(report.categories)) {
            if (c.score === 1) continue;
            const failed = c.auditRefs.map((r) => report.audits[r.id])
                .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode !== "informative" &&
                               a.scoreDisplayMode !== "manual" && a.scoreDisplayMode !== "notApplicable")
                .map((a) => a.id);
            console.log(`  ${c.title} below 100: ${failed.join(", ")}`);
        }' "$work/$form.json" "$form"
done

echo
/usr/bin/python3 "$root/bench/web/window_paint.py" "$url" "${TARUK_PAINT_RUNS:-20}"

# The page's files: everything but the service worker, the manifest and the
# icons, which a first visit does not wait for.
echo
echo "| file | bytes | gzip -9 |"
echo "| --- | --- | --- |"
total=0
total_gz=0
while read -r file; do
    bytes=$(stat -c %s "$site/$file")
    gz=$(gzip -9c "$site/$file" | wc -c)
    total=$((total + bytes))
    total_gz=$((total_gz + gz))
    echo "| \`$file\` | $bytes | $gz |"
done < <(cd "$site" && find . -maxdepth 1 -type f \( -name '*.html' -o -name '*.css' -o -name '*.js' \
    -o -name '*.mjs' -o -name '*.wasm' \) ! -name sw.js ! -name empty.html | sed 's|^\./||' | sort)
echo "| **the page** | **$total** | **$total_gz ($(awk "BEGIN { printf \"%.1f\", $total_gz / 1024 }") KiB, goal 64 KiB)** |"
