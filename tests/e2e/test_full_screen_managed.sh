#!/bin/bash
# test_full_screen.sh with Wine's X11 "Managed" key set to Y: Wine then hands
# its top-levels to a window manager, and there is none here. The viewer must
# still land on the monitor's exact bounds and back.
E2E_WINE_MANAGED=Y
source "$(dirname "$0")/test_full_screen.sh"
