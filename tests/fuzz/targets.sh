# Per-target libFuzzer options, shared by tests/fuzz/run-smoke and scripts/fuzz.
fuzz_target_options() {
  case "$1" in
    # Its input holds whole shared blocks: it needs room beyond libFuzzer's default length.
    fuzz_hooks) echo "-max_len=16384" ;;
    # Its input holds whole records of up to 5165 bytes each.
    fuzz_import) echo "-max_len=16384" ;;
    # Its input holds whole records too, or the text of a few.
    fuzz_macro_text) echo "-max_len=16384" ;;
    *) echo "" ;;
  esac
}
