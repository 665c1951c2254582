#!/bin/bash
# test_full_screen_two_monitors.sh with Wine's X11 "Managed" key set to Y (see
# test_full_screen_managed.sh).
E2E_WINE_MANAGED=Y
source "$(dirname "$0")/test_full_screen_two_monitors.sh"
