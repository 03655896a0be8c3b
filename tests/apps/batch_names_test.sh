#!/bin/sh
# A batch object may not take a class's name: it would hide the class from every later call.
set -eu
answers=$(printf '%s\n' '{"new":"Collection","as":"GTool"}' '{"call":"GTool.ParaAnz","args":["a;b",";"]}' |
  "$1" call --batch)
echo "$answers" | head -1 | grep -q '"number":5,.*"description":"\\"GTool\\" names a class'
echo "$answers" | tail -1 | grep -q '^{"result":2,'
