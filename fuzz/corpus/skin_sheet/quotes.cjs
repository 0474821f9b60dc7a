QLabel { font-family: "Arial"; }
QPlainTextEdit { border: 1px solid 'grey'; }
