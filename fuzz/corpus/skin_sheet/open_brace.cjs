A {}
B {
  color: red;
