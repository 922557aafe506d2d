@include "bad_syntax.dcl"
fine : dialog { label = "Correct"; ok_only; }
