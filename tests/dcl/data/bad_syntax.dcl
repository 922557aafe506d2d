// A button whose key is not closed by ';'.
broken : dialog {
  label = "Cassé";
  : button { key = "b" label = "B"; }
  ok_cancel;
}
