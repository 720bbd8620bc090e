/fc|$FF/fh|-20/fn|Courier New/fs|12/ft|0011/bc|$FFFFFF/sp|0/sm|a /fh| b
c/eo|