#!/usr/bin/env bash
# The desktop entry and the AppStream description pass their validators.
set -euo pipefail
desktop="$1"
desktop-file-validate "$desktop/com.brenvik.aircooler.desktop"
appstreamcli validate --no-net --pedantic "$desktop/com.brenvik.aircooler.metainfo.xml"
echo "desktop entry and AppStream description are valid"
