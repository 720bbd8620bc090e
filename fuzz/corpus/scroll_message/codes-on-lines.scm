/fc|
65280
/fh|
-20
/fn|
Arial
/eo|
