# What the installer tests share, sourced by them after setting
# run_under_wine (tests/win32/run-under-wine.sh) and prefix (the Wine prefix).

wine_do() {
  sh "$run_under_wine" "$@"
}
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
drive_c=$prefix/drive_c
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Wine's user, whose profile holds the per-user folders.
user=$(cd "$drive_c/users" && ls -d */AppData | grep -v '^Public/' | head -n 1)
user=${user%/AppData}
user_programs="$drive_c/users/$user/AppData/Local/Programs"
user_menu="$drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
common_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
# Wine's %TEMP% for the user: AppData\Local\Temp from Wine 9 on (Debian 13
# has Wine 10), Temp before (Debian 12 has Wine 8).
temp_folder="$drive_c/users/$user/AppData/Local/Temp"
[ -d "$temp_folder" ] || temp_folder="$drive_c/users/$user/Temp"

# reg_key KEY: the key's values as UTF-8 text (as reg export writes them,
# "Name"="text" and "Name"=dword:0000abcd), or a failure when there is no
# such key.
reg_key() {
  rm -f "$drive_c/reg-key.reg"
  wine_do run "$prefix" reg export "$1" 'C:\reg-key.reg' /y >/dev/null 2>&1 || return 1
  iconv -f UTF-16 -t UTF-8 "$drive_c/reg-key.reg" | tr -d '\r'
  rm -f "$drive_c/reg-key.reg"
}
# reg_value KEY NAME: one string value (unescaped), or a number for a DWORD.
reg_value() {
  reg_key "$1" | sed -n "s/^\"$2\"=//p" |
    sed 's/^"\(.*\)"$/\1/; s/^dword:\(.*\)/0x\1/; s/\\"/"/g; s/\\\\/\\/g' |
    { read -r value && case $value in 0x*) printf '%d\n' "$value" ;; *) printf '%s\n' "$value" ;; esac; }
}

# run_quietly COMMAND_LINE: runs a command line as Windows has it (as a
# deployment script would), from a batch file, waiting for it; its exit code.
run_quietly() {
  printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" > "$drive_c/run-quietly.bat"
  status=0
  wine_do run "$prefix" cmd /c 'C:\run-quietly.bat' || status=$?
  rm -f "$drive_c/run-quietly.bat"
  return $status
}

# The program's window, as X knows it (Wine names it after the .exe).
program_window_shown() {
  xwininfo -root -tree | grep -q '("distinct-digits.exe" '
}
# start_program EXE: starts the installed program and waits for its window.
start_program() {
  wine_do run "$prefix" "$1" &
  for _ in $(seq 1 60); do
    program_window_shown && return 0
    sleep 0.5
  done
  fail "$1 showed no window"
}
# close_program: closes it as the user would (WM_CLOSE) and waits until it has ended.
close_program() {
  wine_do run "$prefix" taskkill /im distinct-digits.exe >/dev/null
  wait
  wine_do wait "$prefix"
  ! program_window_shown || fail "the program's window is still there"
}
