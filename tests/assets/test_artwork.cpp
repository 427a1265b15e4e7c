// artwork tests come here
